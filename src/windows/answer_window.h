#pragma once

#include "shell/form_ref.h"

class QPlainTextEdit;
class QPushButton;

// The feedback window: the verdict, the correct letters, the question and its explanation.
class AnswerWindow : public Form {
    Q_OBJECT
public:
    AnswerWindow();

    void set_text(const QString& text);
    void Closeb_Click();

private:
    QPlainTextEdit* Text1;
    QPushButton* Closeb;
};

extern FormRef<AnswerWindow> theanswer;
