#pragma once

#include "shell/form_ref.h"

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
    QPlainTextEdit* Text1;
    QPushButton* Command1;
};

extern FormRef<ExhibitWindow> Exhibit;

// Opens the text file in the Exhibit window, centred; a missing or unreadable file does nothing.
void show_exhibit(const QString& path);
