#include "shell/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> step)
        : QObject(&window), step_(std::move(step))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint has been flushed to the screen.
            QTimer::singleShot(0, watched, std::move(step_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> step_;
};

} // namespace

void after_first_paint(QWidget& window, std::function<void()> step)
{
    new FirstPaint(window, std::move(step));
}
