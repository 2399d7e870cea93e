#pragma once

#include <QWidget>

#include <functional>

struct WindowDesign;
class FormSlot;
class QAbstractButton;

// Base of the program's windows: built afresh from its design, loaded and unloaded through the
// program-wide reference (FormRef) that owns it.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const WindowDesign& design);

    // The busy pointer while a handler does visible work.
    void set_busy(bool busy);

signals:
    void hidden();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Escape hides the window, as its close button does.
    void close_on_escape();

    // Runs the handler when the button is clicked, unless a modal window blocked this one when the
    // press began or blocks it now, whoever pressed: mouse, key, screen reader or code.
    void on_click(QAbstractButton* button, std::function<void()> handler);

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class FormSlot;
    FormSlot* slot_ = nullptr;
};
