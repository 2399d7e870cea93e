#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz_state.h"
#include "shell/center_form.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/welcome_window.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <tuple>

namespace {

// Records what the welcome window looked like each time it was shown.
class ShowSpy : public QObject {
public:
    QStringList titles_when_shown;
    QStringList names_when_shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Welcome")) {
            auto* window = static_cast<QWidget*>(watched);
            titles_when_shown << window->windowTitle();
            names_when_shown << window->findChild<QLineEdit*>("test_name")->text();
        }
        return false;
    }
};

} // namespace

class TestWelcome : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void center_form_places_the_window_on_its_screen()
    {
        QCOMPARE(centered_edge(19200, 9195), 5002.5F);
        QCOMPARE(centered_edge(9000, 12000), -1500.0F);
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
        QWidget window;
        window.resize(300, 200);
        const QRect screen = window.screen()->geometry();
        CenterForm(window);
        QCOMPARE(window.frameGeometry().center().x(), screen.center().x());
        QCOMPARE(window.frameGeometry().y(), screen.y() + (screen.height() - 200) / 2);
        // Offsets in twips: 100 left is about 7 pixels, 200 up about 13.
        const QPoint centred = window.pos();
        CenterForm(window, 100, 200);
        QCOMPARE(window.pos(), centred - QPoint(7, 13));
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
        QCOMPARE(spy.names_when_shown, QStringList{"Orlin Quiz 1.3"});
        QCOMPARE(window->findChild<QLineEdit*>("author_name2")->text(), bank.author_contact);
        QVERIFY(bank.author_contact.endsWith(QLatin1String(".example")));
        QCOMPARE(quiz_state.questions_per_quiz, bank.question_count / 4);
    }

    void exit_ends_the_program_without_a_close_sequence()
    {
        quiz_driver::open_options();
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

    void i_agree_hides_the_welcome_window_and_closing_the_options_ends_the_program()
    {
        quiz_driver::open_options();
        QVERIFY(Welcome.is_open() && !Welcome.get()->isVisible());
        QVERIFY(pick_a_quiz.get()->isVisible());
        QVERIFY(!program_ended());
        run_in_event_loop([] { pick_a_quiz.get()->close(); });
        QVERIFY(!Welcome.is_open());
        QVERIFY(program_ended());
    }
};

QTEST_MAIN(TestWelcome)
#include "test_welcome.moc"
