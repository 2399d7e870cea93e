#include "quiz/answer_window.h"

#include "screens/designs.h"
#include "screens/focus_passer.h"
#include "screens/window_builder.h"

#include <QPlainTextEdit>
#include <QPushButton>

FormRef<AnswerWindow> theanswer{FormSlot::Role::Main};

AnswerWindow::AnswerWindow() : Form(theanswer_design), Text1(control<QPlainTextEdit>(*this, "Text1"))
{
    auto* close = control<QPushButton>(*this, "Closeb");
    connect(close, &QPushButton::clicked, this, &AnswerWindow::Closeb_Click);
    pass_focus_on(*Text1, *close);
}

void AnswerWindow::set_text(const QString& text)
{
    Text1->setPlainText(text);
}

void AnswerWindow::Closeb_Click()
{
    theanswer.hide();
}
