#include "support/test_app.h"

#include "shell/form_ref.h"
#include "shell/program.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

void prepare_test_app()
{
    prepare_application(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    // Once QCoreApplication::exit has run, every later event loop of the test would return at once.
    record_program_end_only();
}

void run_in_event_loop(const std::function<void()>& step)
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        step();
        loop.quit();
    });
    loop.exec();
    settle();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tear_down_windows()
{
    settle();
    FormSlot::discard_all();
    settle();
    reset_program_ended();
}
