#pragma once

#include "shell/form_ref.h"

#include <optional>

class QPlainTextEdit;

// Shows a question's exhibit text.
class ExhibitWindow : public Form {
    Q_OBJECT
public:
    ExhibitWindow();

    void set_text(const QString& text);
    void Command1_Click();

private:
    QPlainTextEdit* Text1;
};

extern FormRef<ExhibitWindow> Exhibit;

// The text the Exhibit window shows for the file, or nothing when the file cannot be opened or
// read: no permission, a folder, a file gone since it was found.
std::optional<QString> read_exhibit(const QString& path);
// Opens the text file in the Exhibit window, centred; a missing or unreadable file does nothing.
void show_exhibit(const QString& path);
