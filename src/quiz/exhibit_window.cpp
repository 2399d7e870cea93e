#include "quiz/exhibit_window.h"

#include "quiz/diagram_window.h"
#include "quiz/exhibit_text.h"
#include "screens/designs.h"
#include "screens/focus_passer.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

FormRef<ExhibitWindow> Exhibit{FormSlot::Role::Viewer};

ExhibitWindow::ExhibitWindow()
    : Form(exhibit_design),
      Text1(control<QPlainTextEdit>(*this, "Text1")),
      Command1(control<QPushButton>(*this, "Command1"))
{
    connect(Command1, &QPushButton::clicked, this, &ExhibitWindow::Command1_Click);
    pass_focus_on(*Text1, *Command1);
}

void ExhibitWindow::set_text(const QString& text)
{
    Text1->setPlainText(text);
    // The focus goes to the button and never to the text, so the button reads the text out.
    Command1->setAccessibleDescription(Text1->toPlainText());
}

void ExhibitWindow::Command1_Click()
{
    Exhibit.hide();
}

void show_exhibit(const QString& path)
{
    if (!side_file_exists(path))
        return;
    // A file that vanished or cannot be read since the test shows nothing, like a missing one.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = exhibit_text(file.readAll());
    file.close();

    ExhibitWindow* window = Exhibit.show();
    CenterForm(*window);
    window->set_text(text);
}
