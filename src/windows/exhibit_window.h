#pragma once

#include "shell/form_ref.h"

#include <QTimer>

#include <optional>

class QPlainTextEdit;
class QPushButton;

// Shows a question's exhibit text.
class ExhibitWindow : public Form {
    Q_OBJECT
public:
    ExhibitWindow();

    void set_text(const QString& text);
    void Command1_Click();

private:
    void append_part();

    QPlainTextEdit* Text1;
    QPushButton* Command1;
    // The part of a large exhibit that is still to go into the box.
    QString pending_;
    qsizetype pending_from_ = 0;
    QTimer fill_timer_;
};

extern FormRef<ExhibitWindow> Exhibit;

// A larger exhibit would take many times its size in memory as text in the window.
inline constexpr qint64 max_exhibit_size = qint64{16} * 1024 * 1024;

// The text the Exhibit window shows for the file, or nothing when the file cannot be opened or
// read: no permission, a folder, a file gone since it was found, one larger than the limit.
std::optional<QString> read_exhibit(const QString& path);
// Opens the text file in the Exhibit window, centred and titled `title` or else as designed; a
// missing or unreadable file, or one that now lies outside the bank's folder, does nothing, and
// one larger than the limit is refused in a message box over `parent`.
void show_exhibit(const QString& path, QWidget* parent = nullptr, const QString& title = {});
