#pragma once

class QString;
class QWidget;

// The program's message box: the text as plain text, no icon, an OK button only. Returns once the
// box is closed; a window closed meanwhile, its parent too, waits until then to be destroyed.
void message_box(QWidget* parent, const QString& title, const QString& text);
