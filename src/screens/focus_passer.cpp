#include "screens/focus_passer.h"

#include <QAccessible>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

namespace {

class FocusPasser : public QObject {
public:
    FocusPasser(QWidget& from, QWidget& to) : QObject(&from), to_(&to) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn || !to_)
            return QObject::eventFilter(watched, event);
        to_->setFocus(Qt::OtherFocusReason);
        // Qt tells screen readers that `from` took the focus only after this returns, so they
        // are told again, once that is done, where the focus really is.
        QMetaObject::invokeMethod(
            to_, [to = to_] { announce_focus(to); }, Qt::QueuedConnection);
        // Handled: a text that saw its focus-in would show a caret it no longer has.
        return true;
    }

private:
    static void announce_focus(const QPointer<QWidget>& widget)
    {
        if (!widget || !widget->hasFocus())
            return;
        QAccessibleEvent event(widget.data(), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }

    QPointer<QWidget> to_;
};

} // namespace

void pass_focus_on(QPlainTextEdit& from, QWidget& to)
{
    from.setReadOnly(true);
    from.installEventFilter(new FocusPasser(from, to));
}
