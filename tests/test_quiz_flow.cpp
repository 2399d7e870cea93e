#include "bank/question_bank.h"
#include "quiz/quiz_options.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QCheckBox>
#include <QTest>

#include <tuple>

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

    // The options window is built afresh for each test, so a second test starts at the defaults.
    void every_test_starts_from_the_default_options()
    {
        start_quiz(4, {no_feedback, {"answer_when_right", true}, in_order, answers_in_order});
        QCOMPARE(quiz_options.quiz_choice, 4);
        ModalWatcher watcher;
        press_quit();
        open_options();
        start();
        QCOMPARE(quiz_options.quiz_choice, 1);
        QCOMPARE(quiz_options.show_when_right, 0);
        QCOMPARE(quiz_options.show_when_wrong, 1);
        QCOMPARE(quiz_options.shuffle_questions, 1);
        QCOMPARE(quiz_options.shuffle_answers, 1);
        QVERIFY(!Welcome.is_open() && !pick_a_quiz.is_open());
        QVERIFY(quest.is_open() && quest.get()->isVisible());
        QCOMPARE(quiz_state.current_qid % 4, 1);
        QCOMPARE(watcher.seen().size(), 1U);
        QVERIFY(!program_ended());
    }

    // The generator is reseeded from the clock as a quiz starts.
    void the_shuffled_order_differs_between_runs()
    {
        std::vector<std::vector<int>> orders;
        for (int run = 0; run < 2; ++run) {
            start_quiz(2, {no_feedback});
            orders.push_back(order_of_current_quiz());
            tear_down_windows();
        }
        QVERIFY(orders[0] != orders[1]);
    }

    // The labels follow each reply in the random-use test; here, the red bar's height.
    void the_red_bar_stands_for_the_share_answered_wrong()
    {
        start_quiz(1, {no_feedback});
        press_correct_answer();
        press_next();
        press_next();
        press_next();
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 3"));
        QVERIFY(qAbs(quest_control("the_gauge").height() * 3 -
                     quest_control("Gauge1").height() * 2) <= 3);
    }

    // The bar is measured against the navy gauge as it is now, in twips. Resized to 212 pixels
    // high, the window's gauge spans pixels 36 to 97: 61 pixels, 915 twips. One wrong of 45 leaves
    // a bar of 20.3 twips, one of 46 a bar of 19.9, which hides; the design's 1815 would show both.
    void the_red_bar_follows_the_gauge_as_resized()
    {
        start_quiz(1, {no_feedback, in_order});
        QWidget& window = *quest.get();
        window.resize(window.width(), 212);
        press_next();
        QCOMPARE(text_of("score"), QStringLiteral(" 0/ 1"));
        QCOMPARE(quest_control("the_gauge").height(), 61);
        for (int graded = 2; graded <= 46; ++graded) {
            press_correct_answer();
            press_next();
            if (graded == 45)
                QVERIFY(quest_control("the_gauge").isVisible());
        }
        QCOMPARE(text_of("score"), QStringLiteral(" 45/ 46"));
        // Window height, whether the bar shows, its height in pixels when it does.
        for (const auto& [height, shown, pixels] :
             {std::tuple{212, false, 0}, {423, true, 3}, {846, true, 5}, {212, false, 0}}) {
            window.resize(window.width(), height);
            QCOMPARE(quest_control("the_gauge").isVisible(), shown);
            if (shown)
                QCOMPARE(quest_control("the_gauge").height(), pixels);
        }
    }

    // The welcome window it returns to is loaded afresh and sets the quiz length back.
    void a_one_question_quiz_answered_right_ends_in_congratulations()
    {
        open_options();
        quiz_state.questions_per_quiz = 1;
        start();
        QCOMPARE(quiz_state.question_order[1], 1);
        QCOMPARE(quiz_state.current_qid, 1);
        ModalWatcher watcher;
        press_correct_answer();
        press_next();
        QCOMPARE(watcher.seen().size(), 1U);
        const ModalWatcher::Seen& summary = watcher.seen().front();
        QCOMPARE(summary.title, QStringLiteral("Test Complete!"));
        QCOMPARE(summary.text, summary_text(1, 1));
        QVERIFY(summary.text.endsWith(QLatin1String("Congratulations, try a different test")));
        QVERIFY(!summary.has_icon);
        QCOMPARE(summary.buttons, 1);
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.get()->isVisible());
        QCOMPARE(quiz_state.questions_per_quiz, 56);
        QVERIFY(!program_ended());
    }

    void quit_counts_only_the_questions_graded()
    {
        start_quiz(1, {no_feedback});
        ModalWatcher watcher;
        press_quit();
        QCOMPARE(watcher.seen().size(), 1U);
        QCOMPARE(watcher.seen().front().text, summary_text(0, 0));
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.get()->isVisible());
    }

    void a_bank_that_cannot_make_a_quiz_is_refused()
    {
        for (const int count : {3, 804}) {
            open_options();
            bank.question_count = static_cast<std::int16_t>(count);
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

    void a_greyed_check_box_counts_as_not_ticked()
    {
        open_options();
        auto* box = control<QCheckBox>(*pick_a_quiz.get(), "random_answers");
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        start();
        QCOMPARE(quiz_options.shuffle_answers, 0);
    }
};

QTEST_MAIN(TestQuizFlow)
#include "test_quiz_flow.moc"
