#include "support/test_app.h"

#include "app/navigator.h"
#include "app/program.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz_options.h"
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

void start_afresh()
{
    tear_down_windows();
    study_options = StudyOptions{};
    set_exam_time_source({});
    close_study_record();
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
    const QRect frame = window.frameGeometry();
    const QRect screen = window.screen()->geometry();
    const QRect available = window.screen()->availableGeometry();
    // In half pixels: a centre may fall between two pixels.
    const auto off = [](int start, int extent, int screen_start, int screen_extent,
                        int free_start) {
        const int centred = 2 * screen_start + screen_extent - extent;
        return qAbs(2 * start - qMax(centred, 2 * free_start)) / 2;
    };
    return qMax(off(frame.x(), frame.width(), screen.x(), screen.width(), available.x()),
                off(frame.y(), frame.height(), screen.y(), screen.height(), available.y()));
}

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
