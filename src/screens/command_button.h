#pragma once

#include <QPushButton>

// A command button that Enter presses while it has the focus, as Space does. No button is a
// window's default, so Enter acts on the focused button alone.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Enter and Return, from either part of the keyboard, with no modifier but the keypad's.
bool is_enter_key(const QKeyEvent& event);
