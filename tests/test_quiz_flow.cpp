#include "bank/question_bank.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_state.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/quiz_options.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace quiz_driver;

namespace {

std::vector<int> order_of_current_quiz()
{
    std::vector<int> order;
    for (int p = 1; p <= quiz_state.questions_per_quiz; ++p)
        order.push_back(quiz_state.question_order[static_cast<std::size_t>(p)]);
    return order;
}

} // namespace

class TestQuizFlow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void start_with_the_defaults()
    {
        open_options();
        ModalWatcher watcher;
        start();
        QCOMPARE(quiz_options.quiz_choice, 1);
        QCOMPARE(quiz_options.show_when_right, 0);
        QCOMPARE(quiz_options.show_when_wrong, 1);
        QCOMPARE(quiz_options.shuffle_questions, 1);
        QCOMPARE(quiz_options.shuffle_answers, 1);
        QVERIFY(!Welcome.is_open());
        QVERIFY(!pick_a_quiz.is_open());
        QVERIFY(quest.is_open() && quest.get()->isVisible());
        QCOMPARE(text_of("question_number"), QStringLiteral(" 1"));
        QCOMPARE(quiz_state.current_qid % 4, 1);
        QCOMPARE(text_of("qid"), QLatin1Char(' ') + QString::number(quiz_state.current_qid));
        QCOMPARE(text_of("score"), QString());
        QCOMPARE(text_of("Percent_Right"), QString());
        QVERIFY(quest_control("the_gauge").isHidden());
        QVERIFY(watcher.seen().empty());
        QVERIFY(!program_ended());
    }

    void unshuffled_quiz_3_asks_every_third_record_in_order()
    {
        start_quiz(3, {no_feedback, in_order});
        std::vector<int> asked;
        while (quest.is_open() && quest.get()->isVisible()) {
            asked.push_back(quiz_state.current_qid);
            QCOMPARE(text_of("qid"), QLatin1Char(' ') + QString::number(asked.back()));
            QCOMPARE(text_of("question_number"), QLatin1Char(' ') + QString::number(asked.size()));
            ModalWatcher watcher;
            press_next();
            if (!watcher.seen().empty())
                QCOMPARE(watcher.seen().front().title, QStringLiteral("Test Complete!"));
        }
        std::vector<int> expected;
        for (int n = 3; n <= 223; n += 4)
            expected.push_back(n);
        QCOMPARE(asked, expected);
    }

    void shuffled_order_is_a_permutation_that_differs_between_runs()
    {
        std::vector<std::vector<int>> orders;
        for (int run = 0; run < 2; ++run) {
            start_quiz(2, {no_feedback});
            orders.push_back(order_of_current_quiz());
            tear_down_windows();
        }
        for (auto order : orders) {
            std::sort(order.begin(), order.end());
            std::vector<int> all(56);
            std::iota(all.begin(), all.end(), 1);
            QCOMPARE(order, all);
        }
        QVERIFY(orders[0] != orders[1]);
    }

    void next_with_nothing_pressed_still_advances_and_counts()
    {
        start_quiz(1, {no_feedback});
        press_next();
        QCOMPARE(text_of("question_number"), QStringLiteral(" 2"));
        QCOMPARE(text_of("score"), QStringLiteral(" 0/ 1"));
        QCOMPARE(text_of("Percent_Right"), QStringLiteral(" 0%"));
        QVERIFY(!quest_control("the_gauge").isHidden());
        QCOMPARE(quest_control("the_gauge").height(), quest_control("Gauge1").height());
    }

    void score_percentage_and_gauge_follow_each_reply()
    {
        start_quiz(1, {no_feedback});
        press_correct_answer();
        press_next();
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 1"));
        QCOMPARE(text_of("Percent_Right"), QStringLiteral(" 100%"));
        QVERIFY(quest_control("the_gauge").isHidden());
        press_next();
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 2"));
        QCOMPARE(text_of("Percent_Right"), QStringLiteral(" 50%"));
        QVERIFY(!quest_control("the_gauge").isHidden());
        QVERIFY(qAbs(quest_control("the_gauge").height() * 2 - quest_control("Gauge1").height()) <=
                1);
    }

    void all_right_summary_congratulates_and_returns_to_the_welcome_window()
    {
        open_options();
        quiz_state.questions_per_quiz = 2;
        choose(4, {no_feedback});
        start();
        ModalWatcher watcher;
        for (int i = 0; i < 2; ++i) {
            press_correct_answer();
            press_next();
        }
        QCOMPARE(watcher.seen().size(), 1U);
        const ModalWatcher::Seen& summary = watcher.seen().front();
        QCOMPARE(summary.title, QStringLiteral("Test Complete!"));
        QCOMPARE(summary.text,
                 QStringLiteral("You have completed the test\n\n Right/Total  =  2/ 2\n"
                                "Percent Right =  100%\n\n"
                                "Congratulations, try a different test"));
        QVERIFY(!summary.has_icon);
        QCOMPARE(summary.buttons, 1);
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.is_open() && Welcome.get()->isVisible());
        QCOMPARE(quiz_state.questions_per_quiz, 56);
        QVERIFY(!program_ended());
    }

    void quit_right_after_the_start_reports_nothing_graded()
    {
        start_quiz(1, {no_feedback});
        ModalWatcher watcher;
        press_quit();
        QCOMPARE(watcher.seen().size(), 1U);
        QCOMPARE(watcher.seen().front().text,
                 QStringLiteral("You have completed the test\n\n Right/Total  =  0/ 0\n"
                                "Percent Right =  0%\n\nTake this test until you get 100%"));
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.get()->isVisible());
    }

    void quit_counts_only_the_questions_graded()
    {
        start_quiz(1, {no_feedback});
        press_correct_answer();
        press_next();
        press_next();
        ModalWatcher watcher;
        press_quit();
        QVERIFY(
            watcher.seen().front().text.contains(QLatin1String("=  1/ 2\nPercent Right =  50%")));
    }

    void a_one_question_quiz_runs()
    {
        open_options();
        quiz_state.questions_per_quiz = 1;
        start();
        QCOMPARE(quiz_state.question_order[1], 1);
        QCOMPARE(quiz_state.current_qid, 1);
        ModalWatcher watcher([](QWidget& modal) { ModalWatcher::press_default_button(modal); });
        press_next();
        QCOMPARE(watcher.seen().back().title, QStringLiteral("Test Complete!"));
        QVERIFY(watcher.seen().back().text.contains(QLatin1String(" 0/ 1")));
    }

    void a_bank_that_cannot_make_a_quiz_is_refused()
    {
        for (const int length : {0, 201}) {
            open_options();
            quiz_state.questions_per_quiz = static_cast<std::int16_t>(length);
            ModalWatcher watcher;
            start();
            QCOMPARE(watcher.seen().size(), 1U);
            QVERIFY(watcher.seen().front().text.contains(QLatin1String("cannot be divided")));
            QVERIFY(!quest.is_open());
            QVERIFY(pick_a_quiz.get()->isVisible());
            QVERIFY(Welcome.is_open());
            tear_down_windows();
        }
    }

    void options_show_their_defaults_again_after_a_test()
    {
        start_quiz(4, {{"answer_when_wrong", false},
                       {"answer_when_right", true},
                       {"random_questions", false},
                       {"random_answers", false}});
        ModalWatcher watcher;
        press_quit();
        run_in_event_loop([] { control<QPushButton>(*Welcome.get(), "Start_Quiz")->click(); });
        const PickAQuizWindow& options = *pick_a_quiz.get();
        QVERIFY(control<QRadioButton>(options, "which_quiz_1")->isChecked());
        QVERIFY(control<QCheckBox>(options, "answer_when_wrong")->isChecked());
        QVERIFY(!control<QCheckBox>(options, "answer_when_right")->isChecked());
        QVERIFY(control<QCheckBox>(options, "random_questions")->isChecked());
        QVERIFY(control<QCheckBox>(options, "random_answers")->isChecked());
    }

    void a_greyed_check_box_counts_as_not_ticked()
    {
        open_options();
        auto* box = control<QCheckBox>(*pick_a_quiz.get(), "random_answers");
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        start();
        QCOMPARE(quiz_options.shuffle_answers, 0);
    }

    void closing_the_question_window_ends_the_program()
    {
        start_quiz(1, {no_feedback});
        run_in_event_loop([] { quest.get()->close(); });
        QVERIFY(!quest.is_open());
        QVERIFY(program_ended());
    }

    void alt_n_presses_next()
    {
        start_quiz(1, {no_feedback});
        QuestWindow* window = quest.get();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(text_of("question_number"), QStringLiteral(" 2"));
        QCOMPARE(text_of("score"), QStringLiteral(" 0/ 1"));
    }

    void doubling_the_window_doubles_every_control()
    {
        start_quiz(1, {no_feedback});
        QuestWindow* window = quest.get();
        std::map<QString, QRect> before;
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before[child->objectName()] = child->geometry();
        window->resize(window->size() * 2);
        QCoreApplication::processEvents();
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect old = before.at(child->objectName());
            if (child->objectName() == QLatin1String("the_gauge"))
                continue; // its height follows the score
            QCOMPARE(child->geometry(), QRect(old.topLeft() * 2, old.size() * 2));
        }
    }
};

QTEST_MAIN(TestQuizFlow)
#include "test_quiz_flow.moc"
