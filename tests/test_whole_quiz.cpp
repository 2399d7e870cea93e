// One whole quiz through the real windows, from the welcome window to the summary and Exit. The
// sanitizer build runs it with leak detection on, as the program's leak check.
#include "quiz/diagram_window.h"
#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

void click(const QWidget& window, const char* name)
{
    run_in_event_loop(
        [&window, name] { control<QPushButton>(window, QString::fromLatin1(name))->click(); });
}

// Latches the buttons of the correct letters, as a user who knows the answer would.
void latch_correct_letters(const QuestWindow& window)
{
    for (int i = 1; i <= 6; ++i) {
        if (quiz_state.current_record.choice_correct.at(static_cast<std::size_t>(i)) == 1)
            control<AnswerButton>(window, control_name("QChoice", i))->click();
    }
}

} // namespace

class TestWholeQuiz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void a_whole_quiz_with_feedback_viewers_and_summary()
    {
        QTemporaryDir dir;
        const QString text_file = dir.filePath(QStringLiteral("exhibit.txt"));
        const QString picture_file = dir.filePath(QStringLiteral("diagram.png"));
        QFile text(text_file);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("interface up\r\nline up\r\n") > 0);
        text.close();
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save(picture_file));

        run_in_event_loop(start_program);
        click(*Welcome.get(), "Start_Quiz");
        PickAQuizWindow* options = pick_a_quiz.get();
        QVERIFY(options && options->isVisible());
        control<QRadioButton>(*options, QStringLiteral("which_quiz_3"))->setChecked(true);
        control<QCheckBox>(*options, QStringLiteral("answer_when_right"))->setChecked(true);
        click(*options, "Command1");

        QuestWindow* window = quest.get();
        QVERIFY(window && window->isVisible());
        QVERIFY(!Welcome.is_open());
        QCOMPARE(quiz_state.quiz_number, 3);
        const int length = quiz_state.questions_per_quiz;
        QVERIFY(length > 1);

        ModalWatcher watcher;
        int right = 0;
        for (int n = 1; n <= length; ++n) {
            QCOMPARE(quiz_state.current_question, n);
            if (n == 1) {
                run_in_event_loop([&] {
                    show_exhibit(text_file);
                    show_diagram(picture_file);
                });
                QVERIFY(Exhibit.get() && Exhibit.get()->isVisible());
                QVERIFY(Diagram.get() && Diagram.get()->isVisible());
            }
            if (n % 2 == 1) {
                latch_correct_letters(*window);
                ++right;
            }
            click(*window, "NextButton");
            // NEXT closes the viewers of the question it leaves.
            QVERIFY(!Exhibit.is_open());
            QVERIFY(!Diagram.is_open());
        }

        QVERIFY(!watcher.stuck());
        // The feedback window after every question, both options being on, then the summary.
        const auto& seen = watcher.seen();
        QCOMPARE(static_cast<int>(seen.size()), length + 1);
        QCOMPARE(seen.front().title, QStringLiteral("The Answer"));
        QCOMPARE(seen.at(static_cast<std::size_t>(length - 1)).title, QStringLiteral("The Answer"));
        QCOMPARE(seen.back().title, QStringLiteral("Test Complete!"));
        QCOMPARE(seen.back().text, summary_text(right, length));

        QVERIFY(Welcome.get() && Welcome.get()->isVisible());
        QVERIFY(!quest.get() || !quest.get()->isVisible());
        QVERIFY(!program_ended());
        click(*Welcome.get(), "Command1");
        QVERIFY(program_ended());
    }
};

QTEST_MAIN(TestWholeQuiz)
#include "test_whole_quiz.moc"
