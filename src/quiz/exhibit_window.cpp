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

ExhibitWindow::ExhibitWindow() : Form(exhibit_design), Text1(control<QPlainTextEdit>(*this, "Text1"))
{
    auto* close = control<QPushButton>(*this, "Command1");
    connect(close, &QPushButton::clicked, this, &ExhibitWindow::Command1_Click);
    pass_focus_on(*Text1, *close);
}

void ExhibitWindow::set_text(const QString& text)
{
    Text1->setPlainText(text);
}

void ExhibitWindow::Command1_Click()
{
    Exhibit.hide();
}

std::optional<QString> read_exhibit(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return exhibit_text(bytes);
}

void show_exhibit(const QString& path)
{
    if (!side_file_exists(path))
        return;
    // Read before the window opens: a file that cannot be read shows nothing, like a missing one.
    const std::optional<QString> text = read_exhibit(path);
    if (!text)
        return;
    ExhibitWindow* window = Exhibit.show();
    CenterForm(*window);
    window->set_text(*text);
}
