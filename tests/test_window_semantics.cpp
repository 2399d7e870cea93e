#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "screens/design.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "shell/form_ref.h"
#include "shell/navigation.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/progress_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>
#include <tuple>

namespace {

const WindowDesign plain_design = {
    "plain", "Plain", 3000, 2000, FrameStyle::Sizable, {}, {"MS Sans Serif", 8.25}, false, {}};

int loads = 0;
int unloads = 0;

class MainForm : public Form {
public:
    MainForm() : Form(plain_design) {}
    std::function<void()> on_unload;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override
    {
        ++unloads;
        if (on_unload)
            on_unload();
    }
};

class OtherForm : public MainForm {};
class ViewerForm : public MainForm {};

FormRef<MainForm> main_form{FormSlot::Role::Main};
FormRef<OtherForm> other_form{FormSlot::Role::Main};
FormRef<ViewerForm> viewer_form{FormSlot::Role::Viewer};

// Records what the welcome window looked like each time it was shown.
class ShowSpy : public QObject {
public:
    QStringList titles_when_shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Welcome"))
            titles_when_shown << static_cast<QWidget*>(watched)->windowTitle();
        return false;
    }
};

// The windows open after the steps: the visible ones, then the hidden ones in brackets, each
// group by name; "ended" once the program has ended.
QString windows_after(const QStringList& steps, const QString& picture)
{
    const std::map<QString, std::function<void()>> step_of = {
        {"start", start_program},
        {"agree", [] { report(Happened::Agreed); }},
        {"exit", [] { report(Happened::ExitPressed); }},
        {"choose",
         [] {
             quiz_chosen({1, 0, 0, 0, 0});
         }},
        {"diagram", [&picture] { open_diagram(picture, {}); }},
        {"next", [] { report(Happened::QuestionLeaving); }},
        {"quit", [] { running_quiz.quit(); }},
        {"over", [] { report(Happened::QuizOver); }},
        {"retake", [] { report(Happened::RetakeAsked); }},
        {"done", [] { report(Happened::ReviewDone); }},
        {"close-options", [] { pick_a_quiz.get()->close(); }},
        {"close-quest", [] { quest.get()->close(); }},
        {"close-review", [] { Review.get()->close(); }},
        {"new", [] { report(Happened::NewQuizAsked); }},
        {"close-progress", [] { Progress.get()->close(); }},
    };
    for (const QString& step : steps)
        run_in_event_loop(step_of.at(step));
    if (program_ended())
        return QStringLiteral("ended");
    QStringList shown, hidden;
    for (const QWidget* window : QApplication::topLevelWidgets())
        (window->isVisible() ? shown : hidden) << window->objectName();
    shown.sort();
    hidden.sort();
    return (shown + (hidden.isEmpty() ? QStringList{} : QStringList{'[' + hidden.join(u' ') + ']'}))
        .join(u' ');
}

} // namespace

class TestWindowSemantics : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void init() { loads = unloads = 0; }
    void cleanup() { tear_down_windows(); }

    void a_window_is_created_and_loaded_once_and_only_by_load_or_show()
    {
        main_form.hide();
        main_form.unload();
        QVERIFY(!main_form.is_open());
        QCOMPARE(main_form.get(), nullptr);
        QCOMPARE(unloads, 0);
        MainForm* loaded = main_form.load();
        QVERIFY(main_form.is_open() && !loaded->isVisible());
        QCOMPARE(main_form.show(), loaded);
        QVERIFY(loaded->isVisible());
        QCOMPARE(main_form.show(), loaded);
        QCOMPARE(loads, 1);
    }

    // Closed from its own handler, a window lives until the handler returns; shown again, it is
    // built and loaded afresh. The close box runs the close sequence as well.
    void a_closed_window_goes_after_its_handler_and_comes_back_afresh()
    {
        QPointer<MainForm> first = main_form.show();
        other_form.show();
        bool alive_after_unload = false;
        run_in_event_loop([&] {
            main_form.unload();
            QCoreApplication::processEvents();
            alive_after_unload = !first.isNull() && !first->isVisible();
        });
        QVERIFY(alive_after_unload);
        QVERIFY(first.isNull());
        QPointer<MainForm> second = main_form.show();
        QVERIFY(second);
        QCOMPARE(loads, 3);
        run_in_event_loop([] { main_form.get()->close(); });
        QCOMPARE(unloads, 2);
        QVERIFY(!main_form.is_open() && second.isNull());
        QVERIFY(!program_ended());
    }

    // Open windows keep the program running, hidden ones too, except viewers: those only while
    // they are shown.
    void program_ends_when_the_last_window_that_keeps_it_closes()
    {
        main_form.show();
        other_form.load();
        run_in_event_loop([] { main_form.unload(); });
        QVERIFY(!program_ended());
        run_in_event_loop([] { other_form.unload(); });
        QVERIFY(program_ended());
        tear_down_windows();

        main_form.show();
        viewer_form.show();
        run_in_event_loop([] { main_form.unload(); });
        QVERIFY2(!program_ended(), "a visible viewer keeps the program");
        run_in_event_loop([] { viewer_form.hide(); });
        QVERIFY(program_ended());
        tear_down_windows();

        main_form.show();
        viewer_form.show();
        run_in_event_loop([] { viewer_form.hide(); });
        QVERIFY(!program_ended());
        run_in_event_loop([] { main_form.unload(); });
        QVERIFY(program_ended());
    }

    void no_end_inside_a_nested_loop_before_the_next_window_opens()
    {
        main_form.show();
        run_in_event_loop([] {
            main_form.unload();
            // A modal message box runs a nested loop before the next window is shown.
            QEventLoop nested;
            QTimer::singleShot(20, &nested, &QEventLoop::quit);
            nested.exec();
            QVERIFY(!program_ended());
            other_form.show();
        });
        QVERIFY(!program_ended());
        QVERIFY(other_form.is_open());
    }

    // The modal loop, or the handler that opened it, may still use a window closed meanwhile.
    void a_window_closed_inside_a_modal_loop_outlives_the_loop()
    {
        QPointer<MainForm> closed = main_form.show();
        other_form.load();
        bool alive_inside = false;
        QTimer::singleShot(0, [&] {
            main_form.unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            alive_inside = !closed.isNull();
            other_form.hide();
        });
        other_form.show_modal();
        QVERIFY(alive_inside);
        settle();
        QVERIFY(closed.isNull());
    }

    void center_form_places_the_window_on_its_screen()
    {
        // A frame larger than the screen's free area starts at its top or left, title bar on it.
        // Screen, free area, frame, and the frame's corner worked out by hand.
        for (const auto& [screen, available, frame, corner] : {
                 std::tuple{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024), QSize(631, 448),
                            QPoint(325, 288)}, // 324.5 pixels to the left rounds away from 0
                 {QRect(0, 0, 512, 384), QRect(0, 0, 512, 384), QSize(615, 424),
                  QPoint(0, 0)}, // the welcome window at scale 2 on 1024 x 768
                 {QRect(0, 0, 1024, 768), QRect(0, 30, 1024, 738), QSize(800, 760),
                  QPoint(112, 30)}, // a panel along the top
                 {QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 768), QSize(1300, 700),
                  QPoint(1280, 34)}, // the second screen
             })
            QCOMPARE(centered_frame_position(screen, available, frame), corner);
        // 100 twips left and 200 up of the first: 4767.5 and 4120 twips, 317.8 and 274.7 pixels.
        QCOMPARE(centered_frame_position(QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 1024),
                                         QSize(631, 448), 100, 200),
                 QPoint(318, 275));
    }

    void start_up_shows_the_filled_welcome_window_once()
    {
        ShowSpy spy;
        qApp->installEventFilter(&spy);
        run_in_event_loop(start_program);
        qApp->removeEventFilter(&spy);

        WelcomeWindow* window = Welcome.get();
        QVERIFY(window && window->isVisible());
        QCOMPARE(spy.titles_when_shown, QStringList{"Orlin Quiz 1.3"});
        QCOMPARE(window->findChild<QLineEdit*>("author_name2")->text(), bank.author_contact);
        QVERIFY(bank.author_contact.endsWith(QLatin1String(".example")));
        QCOMPARE(quiz_state.questions_per_quiz, 56);
    }

    // Each event and the windows that follow it: without options, with the review after a quiz,
    // and in study mode.
    void the_navigator_opens_the_window_that_follows_each_event()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("net.png"));
        QImage(8, 8, QImage::Format_RGB32).save(picture);
        const StudyOptions plain{}, review{true, 0, false, {}},
            study{true, 0, true, dir.filePath(QStringLiteral("progress.sqlite3"))};
        const std::tuple<StudyOptions, const char*, const char*> rows[] = {
            {plain, "start", "Welcome"},
            {plain, "start agree", "pick_a_quiz [Welcome]"},
            {plain, "start agree choose", "quest"},
            {plain, "start agree choose diagram", "Diagram quest"},
            {plain, "start agree choose diagram next", "quest"},
            {plain, "start agree choose diagram quit over", "Welcome"},
            {plain, "start exit", "ended"},
            {plain, "start agree close-options", "ended"},
            {plain, "start agree choose close-quest", "ended"},
            {plain, "start agree choose diagram close-quest", "Diagram"},
            {review, "start agree choose diagram quit over", "Review"},
            {review, "start agree choose quit over done", "Welcome"},
            {review, "start agree choose quit over retake", "quest"},
            {review, "start agree choose quit over retake quit over", "Review"},
            {review, "start agree choose quit over close-review", "ended"},
            {study, "start agree", "Progress [Welcome]"},
            {study, "start agree new", "pick_a_quiz [Progress Welcome]"},
            {study, "start agree new choose", "quest"},
            {study, "start agree new choose quit over", "Review"},
            {study, "start agree new choose quit over done", "Progress"},
            {study, "start agree close-progress", "ended"},
            {study, "start agree new close-options", "ended"},
        };
        for (const auto& [mode, steps, windows] : rows) {
            study_options = mode;
            const QString got = windows_after(QString::fromLatin1(steps).split(u' '), picture);
            QVERIFY2(got == QLatin1String(windows),
                     qPrintable(QStringLiteral("%1: %2").arg(steps, got)));
            start_afresh();
        }
    }

    void exit_ends_the_program_without_a_close_sequence()
    {
        quiz_driver::open_options(); // "I Agree" hides the welcome window
        QVERIFY(Welcome.is_open() && !Welcome.get()->isVisible());
        run_in_event_loop([] {
            pick_a_quiz.get()->hide();
            Welcome.get()->show();
        });
        quiz_driver::click(*Welcome.get(), "Command1");
        QVERIFY(program_ended());
        // The close sequence would have closed the options window.
        QVERIFY(Welcome.is_open());
        QVERIFY(pick_a_quiz.is_open());
    }
};

QTEST_MAIN(TestWindowSemantics)
#include "test_window_semantics.moc"
