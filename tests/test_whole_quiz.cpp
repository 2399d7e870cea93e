// One whole quiz through the real windows, from the welcome window to the summary and Exit. The
// sanitizer build runs it with leak detection on, as the program's leak check.
#include "quiz/diagram_window.h"
#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quiz_driver;

class TestWholeQuiz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void quiz_3_in_order_with_feedback_viewers_and_summary()
    {
        QTemporaryDir dir;
        const QString text_file = dir.filePath(QStringLiteral("exhibit.txt"));
        const QString picture_file = dir.filePath(QStringLiteral("diagram.png"));
        QVERIFY(write_file(text_file, "interface up\r\nline up\r\n"));
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(picture_file));

        start_quiz(3, {in_order, {"answer_when_right", true}});
        QVERIFY(quest.get() && quest.get()->isVisible());
        QVERIFY(!Welcome.is_open());
        QCOMPARE(quiz_state.questions_per_quiz, 56);

        ModalWatcher watcher;
        int right = 0;
        for (int n = 1; n <= 56; ++n) {
            // Quiz 3 asks every fourth record from the third.
            QCOMPARE(quiz_state.current_question, n);
            QCOMPARE(text_of("question_number"), number_text(n));
            QCOMPARE(text_of("qid"), number_text(4 * n - 1));
            if (n == 1) {
                run_in_event_loop([&] {
                    show_exhibit(text_file);
                    show_diagram(picture_file);
                });
                QVERIFY(Exhibit.get()->isVisible() && Diagram.get()->isVisible());
            }
            if (n % 2 == 1) {
                press_correct_answer();
                ++right;
            }
            press_next();
            // NEXT closes the viewers of the question it leaves.
            QVERIFY(!Exhibit.is_open() && !Diagram.is_open());
        }

        QVERIFY(!watcher.stuck());
        // The feedback window after every question, both options being on, then the summary.
        const auto& seen = watcher.seen();
        QCOMPARE(seen.size(), 57U);
        for (std::size_t i = 0; i < 56; ++i)
            QCOMPARE(seen[i].title, QStringLiteral("The Answer"));
        QCOMPARE(seen.back().title, QStringLiteral("Test Complete!"));
        QCOMPARE(seen.back().text, summary_text(right, 56));

        QVERIFY(Welcome.get()->isVisible());
        QVERIFY(!quest.get() || !quest.get()->isVisible());
        QVERIFY(!program_ended());
        click(*Welcome.get(), "Command1");
        QVERIFY(program_ended());
    }
};

QTEST_MAIN(TestWholeQuiz)
#include "test_whole_quiz.moc"
