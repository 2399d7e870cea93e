#include "shell/form.h"

#include "screens/modal_block.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QShortcut>

#include <memory>

Form::Form(const WindowDesign& design)
{
    build_window(*this, design);
}

void Form::set_busy(bool busy)
{
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void Form::on_click(QAbstractButton* button, std::function<void()> handler)
{
    // A screen reader's press goes down at once and clicks 100 ms later, when the modal window may
    // already be gone.
    auto pressed_while_blocked = std::make_shared<bool>(false);
    connect(button, &QAbstractButton::pressed, this,
            [this, pressed_while_blocked] { *pressed_while_blocked = blocked_by_modal(*this); });
    connect(button, &QAbstractButton::clicked, this,
            [this, pressed_while_blocked, handler = std::move(handler)] {
                if (!*pressed_while_blocked && !blocked_by_modal(*this))
                    handler();
            });
}

void Form::close_on_escape()
{
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (slot_)
            slot_->hide();
    });
}

void Form::closeEvent(QCloseEvent* event)
{
    if (blocked_by_modal(*this)) {
        event->ignore();
        return;
    }
    // The user's close box runs the same close sequence as a close from code.
    event->accept();
    if (slot_)
        slot_->unload();
}

void Form::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}
