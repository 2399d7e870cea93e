#include "windows/answer_window.h"

#include "screens/designs.h"
#include "screens/focus_passer.h"
#include "screens/window_builder.h"

#include <QPlainTextEdit>
#include <QPushButton>

FormRef<AnswerWindow> theanswer{FormSlot::Role::Main};

AnswerWindow::AnswerWindow()
    : Form(theanswer_design),
      Text1(control<QPlainTextEdit>(*this, "Text1")),
      Closeb(control<QPushButton>(*this, "Closeb"))
{
    on_click(Closeb, [this] { Closeb_Click(); });
    pass_focus_on(*Text1, *Closeb);
}

void AnswerWindow::set_text(const QString& text)
{
    Text1->setPlainText(text);
    // The focus goes to Close and never to the text, so Close reads the text out.
    Closeb->setAccessibleDescription(Text1->toPlainText());
}

void AnswerWindow::Closeb_Click()
{
    theanswer.hide();
}
