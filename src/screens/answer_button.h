#pragma once

#include <QAbstractButton>

// A latching two-state button: a click toggles its pressed state, which stays until changed.
class AnswerButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit AnswerButton(QWidget* parent = nullptr);

    bool pressed() const { return isChecked(); }
    void set_pressed(bool pressed) { setChecked(pressed); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
