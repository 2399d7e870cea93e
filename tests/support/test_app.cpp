#include "support/test_app.h"

#include "app/program.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QTest>
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

bool activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString focused()
{
    const QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

int off_centre(const QWidget& window)
{
    const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
    const QSize frame = window.frameGeometry().size() - window.size();
    return qMax(qAbs(offset.x()) - frame.width() / 2, qAbs(offset.y()) - frame.height() / 2);
}

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
