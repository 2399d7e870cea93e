// A quiz through the real windows: what the rules decide is tested in test_quiz; here, that the
// windows show it, in the right order, and hand over what the user did.
#include "bank/question_bank.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz.h"
#include "quiz/quiz_rules.h"
#include "screens/answer_button.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/answer_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <tuple>

using namespace quiz_driver;

namespace {

QStringList row_texts(const QTreeWidgetItem& item)
{
    QStringList texts;
    for (int column = 0; column < item.columnCount(); ++column)
        texts << item.text(column);
    return texts;
}

} // namespace

class TestQuizFlow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { start_afresh(); }

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
    }

    // The generator is reseeded from the clock as a quiz starts.
    void the_shuffled_order_differs_between_runs()
    {
        std::vector<std::array<std::int16_t, 201>> orders;
        for (int run = 0; run < 2; ++run) {
            start_quiz(2, {no_feedback});
            orders.push_back(quiz_state.question_order);
            tear_down_windows();
        }
        QVERIFY(orders[0] != orders[1]);
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

    // Each option opens the feedback for its kind of reply before the score counts the reply;
    // its text is in the rules table.
    void feedback_opens_before_the_score_counts_the_reply()
    {
        start_quiz(1, {{"answer_when_right", true}});
        QStringList scores;
        ModalWatcher watcher([&](QWidget& modal) {
            scores << text_of("score");
            ModalWatcher::press_default_button(modal);
        });
        // The letters the feedback names are those of the buttons pressed by the bank's flags.
        press_correct_answer();
        QStringList pressed;
        for (int i = 1; i <= 6; ++i) {
            if (control<AnswerButton>(*quest.get(), control_name("QChoice", i))->pressed())
                pressed << QChar(u'A' + i - 1);
        }
        press_next();
        press_next();
        QCOMPARE(scores, (QStringList{QString(), QStringLiteral(" 1/ 1")}));
        QVERIFY(watcher.seen()[0].text.startsWith(
            "Great Job.\nThe answer(s):  " + pressed.join(QLatin1Char(' ')) + "\n\n"));
        QVERIFY(watcher.seen()[1].text.startsWith(QLatin1String("Incorrect.\n")));
        QVERIFY(!theanswer.is_open());
    }

    // The typing box alone is shown, named for what it takes, and what is typed is graded as
    // typed; screen readers hear no answer given away. A multiple-choice question puts the
    // choices back.
    void a_typed_answer_question_shows_names_and_grades_the_typing_box()
    {
        open_options();
        // The second answer holds a no-break space, which the box must hand over as typed.
        for (const int record : {1, 5})
            make_typed_answer(record, {"Router", "no\xA0"
                                                 "break"});
        choose(1, {in_order, answers_in_order});
        start();
        auto* box = control<QPlainTextEdit>(*quest.get(), "abox_1");
        ModalWatcher watcher;
        for (const auto& [typed, status] : {std::pair{"route r", answer_wrong},
                                            {"no\xA0"
                                             "break",
                                             answer_right}}) {
            QVERIFY(box->toPlainText().isEmpty() && !box->isReadOnly());
            QCOMPARE(box->accessibleName(), QStringLiteral("Your answer"));
            QVERIFY(quest_control("QChoice_1").isHidden() && quest_control("abox_2").isHidden());
            QVERIFY(!quest_control("NextButton").accessibleDescription().contains("Router"));
            box->setPlainText(QString::fromLatin1(typed));
            press_next();
            QCOMPARE(quiz_state.answer_status, status);
        }
        QVERIFY(box->isReadOnly() && !quest_control("QChoice_1").isHidden());
        QCOMPARE(box->accessibleName(), QStringLiteral("Choice A"));
    }

    // Quiz 2 in order asks records 2, 6 and 10: 6 and 10 are missed; the rows say so, and the
    // missed ones alone can be shown.
    void a_review_lists_the_answers_and_shows_the_missed_ones()
    {
        study_options.review = true;
        start_quiz(2, {no_feedback, in_order, answers_in_order});
        press_correct_answer();
        press_next();
        press_next();
        press_next();
        ModalWatcher watcher;
        press_quit();
        QString right_of_6; // the letters of record 6's correct flags, its answers in order
        for (std::size_t i = 1; i <= 6; ++i)
            right_of_6 += bank.record(6).choice_correct[i] == 1 ? QString(QChar(u'A' + int(i) - 1))
                                                                : QString();
        ReviewWindow* review = Review.get();
        QVERIFY(review && review->isVisible());
        auto* answers = control<QTreeWidget>(*review, "answers");
        QCOMPARE(answers->topLevelItemCount(), 3);
        QCOMPARE(row_texts(*answers->topLevelItem(1)),
                 (QStringList{"2", "6", "WRONG", "none", right_of_6}));
        run_in_event_loop([review] { control<QRadioButton>(*review, "show_rows_2")->click(); });
        QVERIFY(answers->topLevelItem(0)->isHidden() && !answers->topLevelItem(1)->isHidden());
        QCOMPARE(answers->currentItem(), answers->topLevelItem(1));
        QVERIFY(control<QPushButton>(*review, "retake")->isEnabled());

        // Nothing missed, nothing graded: the text says so rather than staying blank.
        const auto detail = [] { return control<QPlainTextEdit>(*Review.get(), "detail"); };
        tear_down_windows();
        start_quiz(2, {no_feedback, in_order, answers_in_order});
        press_correct_answer();
        press_next();
        press_quit();
        run_in_event_loop([] { control<QRadioButton>(*Review.get(), "show_rows_2")->click(); });
        QCOMPARE(detail()->toPlainText(), QStringLiteral("No question was missed."));
        tear_down_windows();
        start_quiz(2);
        press_quit();
        QCOMPARE(detail()->toPlainText(), QStringLiteral("No question was graded."));
    }

    // The clock is read from a hook; its ticks are called as its timer would call them. Time runs
    // out under the feedback window: the quiz ends as it closes, with no further question.
    void the_clock_counts_down_and_ends_the_quiz_when_time_is_up()
    {
        qint64 now = 0;
        set_exam_time_source([&now] { return now; });
        study_options.minutes = 10;
        start_quiz(1, {in_order});
        QuestWindow* window = quest.get();
        const QString caption = QString::fromUtf8(quest_design.title);
        const auto next_reads = [window] {
            return control<QPushButton>(*window, "NextButton")->accessibleDescription();
        };
        QCOMPARE(window->windowTitle(), caption + QStringLiteral(" - 10:00 left"));
        now = 5 * 60 * 1000;
        window->clock_tick();
        QCOMPARE(window->windowTitle(), caption + QStringLiteral(" - 5:00 left"));
        QVERIFY(next_reads().startsWith(QLatin1String("5 minutes left\n")));

        // Each reply is wrong, so each opens the feedback window, under which the clock moves on.
        std::vector<qint64> times_under_feedback{9 * 60 * 1000, 10 * 60 * 1000};
        ModalWatcher watcher([&](QWidget& modal) {
            if (modal.objectName() == QLatin1String("theanswer") && !times_under_feedback.empty()) {
                now = times_under_feedback.front();
                times_under_feedback.erase(times_under_feedback.begin());
                window->clock_tick();
            }
            ModalWatcher::press_default_button(modal);
        });
        press_next();
        QCOMPARE(text_of("question_number"), QStringLiteral(" 2"));
        QVERIFY(next_reads().startsWith(QLatin1String("1 minute left\n")));
        press_next();
        QCOMPARE(watcher.seen().size(), 3U);
        QCOMPARE(watcher.seen().back().title, QStringLiteral("Test Complete!"));
        QVERIFY(watcher.seen().back().text.startsWith(QLatin1String("Time is up.\n\n")));
        QVERIFY(watcher.seen().back().text.contains(QLatin1String("=  0/ 2\n")));
        QVERIFY(!quest.is_open() && Welcome.get()->isVisible());

        // A reply marked when time is up counts.
        now = 0;
        start_quiz(1, {in_order});
        press_correct_answer();
        now = 10 * 60 * 1000;
        run_in_event_loop([] { quest.get()->clock_tick(); });
        QVERIFY(watcher.seen().back().text.contains(QLatin1String("=  1/ 1\n")));
        QVERIFY(!quest.is_open());
    }
};

QTEST_MAIN(TestQuizFlow)
#include "test_quiz_flow.moc"
