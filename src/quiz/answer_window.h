#pragma once

#include "shell/form_ref.h"

class QPlainTextEdit;

// The feedback window: the verdict, the correct letters, the question and its explanation.
class AnswerWindow : public Form {
    Q_OBJECT
public:
    AnswerWindow();

    void set_text(const QString& text);
    void Closeb_Click();

private:
    QPlainTextEdit* Text1;
};

extern FormRef<AnswerWindow> theanswer;
