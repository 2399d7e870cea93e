#include "screens/focus_passer.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class FocusPasser : public QObject {
public:
    FocusPasser(QWidget& from, QWidget& to) : QObject(&from), to_(&to) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && to_) {
            to_->setFocus(Qt::OtherFocusReason);
            // Once the focus has moved on, the box must not take the event: a text box would
            // start a blinking caret it then never stops.
            if (to_->hasFocus())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> to_;
};

} // namespace

void pass_focus_on(QWidget& from, QWidget& to)
{
    from.installEventFilter(new FocusPasser(from, to));
}
