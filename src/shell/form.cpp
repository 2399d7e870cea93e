#include "shell/form.h"

#include "screens/window_builder.h"
#include "shell/form_ref.h"

#include <QCloseEvent>

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

void Form::closeEvent(QCloseEvent* event)
{
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
