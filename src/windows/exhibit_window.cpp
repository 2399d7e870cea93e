#include "windows/exhibit_window.h"

#include "bank/side_file.h"
#include "quiz/exhibit_text.h"
#include "screens/designs.h"
#include "screens/focus_passer.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "shell/message_box.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

FormRef<ExhibitWindow> Exhibit{FormSlot::Role::Viewer};

namespace {

// About 2,000 lines: one part goes into the box well within a frame.
constexpr qsizetype part_size = qsizetype{128} * 1024;

// Where the part that starts at `from` ends: after a whole line, so a CR LF is never split.
qsizetype part_end(const QString& text, qsizetype from)
{
    if (text.size() - from <= part_size)
        return text.size();
    const qsizetype line_end = text.indexOf(QLatin1Char('\n'), from + part_size);
    return line_end < 0 ? text.size() : line_end + 1;
}

} // namespace

ExhibitWindow::ExhibitWindow()
    : Form(exhibit_design),
      Text1(control<QPlainTextEdit>(*this, "Text1")),
      Command1(control<QPushButton>(*this, "Command1"))
{
    on_click(Command1, [this] { Command1_Click(); });
    close_on_escape();
    pass_focus_on(*Text1, *Command1);
    Text1->setUndoRedoEnabled(false);
    connect(&fill_timer_, &QTimer::timeout, this, &ExhibitWindow::append_part);
}

// Qt builds a text block per line, a few microseconds each, so a large exhibit goes into the box
// part by part from the event loop: the click is answered at once and the window stays usable.
void ExhibitWindow::set_text(const QString& text)
{
    // The focus goes to the button and never to the text, so the button reads the text out.
    Command1->setAccessibleDescription(text);
    fill_timer_.stop();
    pending_ = text;
    pending_from_ = part_end(text, 0);
    Text1->setPlainText(text.left(pending_from_));
    if (pending_from_ < pending_.size())
        fill_timer_.start(0);
    else
        pending_.clear();
}

void ExhibitWindow::append_part()
{
    const qsizetype end = part_end(pending_, pending_from_);
    QTextCursor cursor(Text1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(pending_.mid(pending_from_, end - pending_from_));
    pending_from_ = end;
    if (pending_from_ < pending_.size())
        return;
    fill_timer_.stop();
    pending_.clear();
}

void ExhibitWindow::Command1_Click()
{
    Exhibit.hide();
}

std::optional<QString> read_exhibit(const QString& path)
{
    QFile file(on_disk(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed: a file that has grown since it was measured is not read whole.
    const QByteArray bytes = file.read(max_exhibit_size + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > max_exhibit_size)
        return std::nullopt;
    return exhibit_text(bytes);
}

void show_exhibit(const QString& path, QWidget* parent, const QString& title)
{
    const std::optional<QString> file = side_file_to_open(path);
    if (!file)
        return;
    if (QFileInfo(on_disk(*file)).size() > max_exhibit_size) {
        message_box(parent, QStringLiteral("Exhibit"),
                    QStringLiteral("The exhibit %1 is larger than 16 MiB and is not shown.")
                        .arg(QFileInfo(path).fileName()));
        return;
    }
    // Read before the window opens: a file that cannot be read shows nothing, like a missing one.
    const std::optional<QString> text = read_exhibit(*file);
    if (!text)
        return;
    ExhibitWindow* window = Exhibit.show();
    window->setWindowTitle(title.isEmpty() ? QString::fromUtf8(exhibit_design.title) : title);
    CenterForm(*window);
    window->set_text(*text);
}
