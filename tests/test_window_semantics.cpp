#include "screens/design.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "support/test_app.h"

#include <QEventLoop>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>

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

    void show_modal_returns_when_the_window_is_hidden()
    {
        main_form.show();
        other_form.load();
        QTimer::singleShot(20, [] { other_form.hide(); });
        other_form.show_modal();
        QVERIFY(other_form.is_open());
        QVERIFY(!other_form.get()->isVisible());
        QCOMPARE(other_form.get()->windowModality(), Qt::NonModal);
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

    void looking_up_a_control_the_design_lacks_stops_the_program()
    {
        if (qEnvironmentVariableIsSet("ORLIN_LOOK_UP_MISSING")) {
            control<QWidget>(*main_form.show(), QStringLiteral("no_such_control"));
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORLIN_LOOK_UP_MISSING"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(QTest::currentTestFunction())});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(child.readAll().contains("no_such_control"));
    }
};

QTEST_MAIN(TestWindowSemantics)
#include "test_window_semantics.moc"
