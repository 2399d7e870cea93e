#pragma once

#include <QAbstractButton>

// A latching two-state button: a click toggles its pressed state, which stays until changed.
// Space or Enter toggles it while it has the focus; screen readers see a checkable button whose
// toggle action does what a click does. Behind a modal window it keeps its state.
class AnswerButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit AnswerButton(QWidget* parent = nullptr);

    bool pressed() const { return isChecked(); }
    void set_pressed(bool pressed) { setChecked(pressed); }

    QSize sizeHint() const override;

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
