#include "bank/question_bank.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz.h"
#include "quiz/random_source.h"
#include "quiz/review.h"

#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// Records 1 to 16, four quizzes of four: record r asks "Q r" with the choices "r a" to "r d", of
// which "r c" is correct; record 7 wants "seven" typed.
std::unique_ptr<QuestionBank> small_bank()
{
    auto made = std::make_unique<QuestionBank>();
    made->question_count = 16;
    for (int r = 1; r <= 16; ++r) {
        QuestionRecord& record = made->record(r);
        for (std::size_t i = 1; i <= 4; ++i)
            record.choice_text[i] = QStringLiteral("%1 %2").arg(r).arg(QChar(u'a' + int(i) - 1));
        record.choice_correct[3] = 1;
    }
    made->record(7).question_type = QStringLiteral("fill_in");
    made->record(7).choice_text = {QString(), QStringLiteral("seven")};
    made->record(7).choice_correct = {};
    return made;
}

// A quiz on its own state, options, generator and bank.
struct Run {
    explicit Run(int quiz_choice, bool shuffle_questions = false, bool shuffle_answers = false)
    {
        random.stop_clock(9);
        state.questions_per_quiz = questions_per_quiz(bank->question_count);
        options = {std::int16_t(quiz_choice), 0, 0, std::int16_t(shuffle_answers),
                   std::int16_t(shuffle_questions)};
        quiz.start();
    }
    // The records asked from here to the end, each graded wrong.
    std::vector<int> asked()
    {
        std::vector<int> qids;
        while (quiz.next_question()) {
            qids.push_back(state.current_qid);
            quiz.grade({}, {});
        }
        return qids;
    }
    // Presses the stored choices where the shuffle showed them.
    ChoiceFlags pressing(std::initializer_list<int> stored) const
    {
        const ChoiceOrder& order = quiz.shown_order();
        ChoiceFlags flags{};
        for (const int s : stored)
            flags[std::size_t(std::find(order.begin() + 1, order.end(), s) - order.begin())] = true;
        return flags;
    }

    std::unique_ptr<QuestionBank> bank = small_bank();
    QuizState state;
    QuizOptions options;
    RandomSource random;
    Quiz quiz{state, options, random, *bank};
};

GradedQuestion wrong(int qid)
{
    return {1, std::int16_t(qid), {}, {}, {}, answer_wrong};
}

GradedQuestion right(int qid)
{
    return {1, std::int16_t(qid), {}, {}, {}, answer_right};
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    void quiz_k_asks_every_fourth_record_from_k()
    {
        bool moved = false;
        for (int k = 1; k <= 4; ++k) {
            const std::vector<int> want{k, k + 4, k + 8, k + 12};
            QCOMPARE(Run(k).asked(), want);
            std::vector<int> shuffled = Run(k, true).asked();
            moved = moved || shuffled != want;
            std::sort(shuffled.begin(), shuffled.end());
            QCOMPARE(shuffled, want);
        }
        QVERIFY(moved);
    }

    // Quiz 3 asks 3, 7 (typed), 11 and 15 with its choices shuffled; the flag that counts is the
    // one shown at the pressed position, and each question is kept as shown and answered.
    void replies_grade_by_what_was_shown_and_are_kept()
    {
        struct Case {
            std::initializer_list<int> stored_pressed;
            const char* typed;
            std::int16_t status;
        };
        const Case cases[] = {{{3}, "x", answer_right},
                              {{1}, "  Seven ", answer_right},
                              {{}, "", answer_wrong},
                              {{3, 4}, "", answer_wrong}};
        Run run(3, false, true);
        std::vector<ChoiceOrder> orders;
        for (const Case& c : cases) {
            QVERIFY(run.quiz.next_question());
            orders.push_back(run.quiz.shown_order());
            QCOMPARE(run.quiz.grade(run.pressing(c.stored_pressed), QString::fromLatin1(c.typed)),
                     c.status);
            QCOMPARE(run.state.answer_status, c.status);
        }
        QCOMPARE(run.state.right_count, std::int16_t(2));
        QVERIFY(orders.front() != orders.back()); // shuffled indeed
        for (std::size_t i = 0; i < 4; ++i) {
            const GradedQuestion& kept = run.quiz.graded().at(i);
            const bool typed = i == 1;
            QCOMPARE(kept.position, std::int16_t(i + 1));
            QCOMPARE(kept.qid, std::int16_t(3 + 4 * i));
            QCOMPARE(kept.order, orders[i]);
            // Only the filled choices move; the blank ones stay behind them.
            const ChoiceOrder identity{0, 1, 2, 3, 4, 5, 6};
            QVERIFY(std::is_permutation(orders[i].begin(), orders[i].end(), identity.begin()));
            for (std::size_t p = 1; p <= 6; ++p)
                QVERIFY(p <= (typed ? 1U : 4U) ? orders[i][p] <= (typed ? 1 : 4)
                                               : orders[i][p] == identity[p]);
            QCOMPARE(kept.typed, typed ? QString::fromLatin1(cases[i].typed) : QString());
            QCOMPARE(letters_of(kept.pressed).size(),
                     typed ? 0 : qsizetype(cases[i].stored_pressed.size()));
            QCOMPARE(kept.answer_status, cases[i].status);
        }
        QCOMPARE(run.quiz.missed(), (std::vector<std::int16_t>{11, 15}));
    }

    void feedback_follows_the_option_for_the_reply()
    {
        for (const auto& [when_right, when_wrong] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
            Run run(1);
            run.options.show_when_right = std::int16_t(when_right);
            run.options.show_when_wrong = std::int16_t(when_wrong);
            QVERIFY(run.quiz.next_question());
            run.quiz.grade(run.pressing({3}), {});
            QCOMPARE(run.quiz.feedback_wanted(), when_right == 1);
            QVERIFY(run.quiz.next_question());
            run.quiz.grade({}, {});
            QCOMPARE(run.quiz.feedback_wanted(), when_wrong == 1);
        }
    }

    // A quit leaves the question on screen ungraded: the total is what was graded.
    void quit_ends_with_the_graded_questions()
    {
        for (const int graded : {0, 1, 3}) {
            Run run(2);
            for (int i = 0; i < graded; ++i) {
                QVERIFY(run.quiz.next_question());
                run.quiz.grade(run.pressing({3}), {});
            }
            QVERIFY(run.quiz.next_question());
            run.quiz.quit();
            QVERIFY(!run.quiz.next_question());
            run.quiz.finish();
            QCOMPARE(int(run.state.current_question), graded);
            QCOMPARE(int(run.state.right_count), graded);
            QCOMPARE(int(run.quiz.graded().size()), graded);
        }
    }

    void a_retake_asks_exactly_the_missed_records()
    {
        Run run(4);
        run.quiz.start_retake({8, 16});
        QCOMPARE(run.quiz.length(), 2);
        QCOMPARE(run.asked(), (std::vector<int>{8, 16}));
        run.options.shuffle_questions = 1;
        run.quiz.start_retake({4, 8, 16});
        std::vector<int> shuffled = run.asked();
        std::sort(shuffled.begin(), shuffled.end());
        QCOMPARE(shuffled, (std::vector<int>{4, 8, 16}));
        run.quiz.start_retake({});
        QVERIFY(!run.quiz.next_question());
    }

    void the_clock_reads_minutes_and_seconds_and_announces_three_times()
    {
        const std::pair<int, const char*> texts[] = {
            {2480, "41:20 left"}, {36000, "600:00 left"}, {59, "0:59 left"}, {0, "0:00 left"}};
        for (const auto& [seconds, text] : texts)
            QCOMPARE(time_left_text(seconds), QString::fromLatin1(text));
        const std::array<int, 3> cases[] = {{601, 600, 10}, {700, 599, 10}, {600, 599, 0},
                                            {301, 300, 5},  {61, 60, 1},    {60, 59, 0},
                                            {700, 30, 1},   {900, 800, 0}};
        for (const auto& [before, now, minutes] : cases)
            QCOMPARE(minutes_to_announce(before, now), minutes);
    }

    void review_rows_say_what_was_answered_and_what_is_right()
    {
        const auto questions = small_bank();
        struct Case {
            GradedQuestion graded;
            const char *reply, *answer, *spoken;
        };
        const Case cases[] = {
            {{2, 5, {0, 3, 1, 2, 4, 5, 6}, {0, 0, 1}, {}, answer_wrong},
             "B",
             "A",
             "Question 2, QID 5, wrong, you pressed B, right: A"},
            {{4, 9, {0, 1, 2, 3, 4, 5, 6}, {0, 1, 0, 1}, {}, answer_wrong},
             "AC",
             "C",
             "Question 4, QID 9, wrong, you pressed AC, right: C"},
            {{1, 7, {0, 1, 2, 3, 4, 5, 6}, {}, QStringLiteral(" Seven"), answer_right},
             "\" Seven\"",
             "seven",
             "Question 1, QID 7, right, you typed \" Seven\", accepted: seven"},
        };
        for (const Case& c : cases) {
            const ReviewRow row = review_row(c.graded, *questions);
            QCOMPARE(row.reply, QString::fromUtf8(c.reply));
            QCOMPARE(row.answer, QString::fromUtf8(c.answer));
            QCOMPARE(row.spoken, QString::fromUtf8(c.spoken));
        }
    }

    // A file's records group by topic, "Other" last; the built-in ones by chapter, in the book's
    // order, an uncited record by the chapter it was filed under.
    void scores_are_grouped_by_topic_or_chapter()
    {
        const auto scores = [](const QuestionBank& questions,
                               const std::vector<GradedQuestion>& graded) {
            QStringList got;
            for (const GroupScore& score : group_scores(graded, questions))
                got << QStringLiteral("%1 %2/%3").arg(score.name).arg(score.right).arg(score.asked);
            return got;
        };
        auto questions = small_bank();
        questions->record(1).topic = QStringLiteral(" Routing ");
        questions->record(9).topic = QStringLiteral("Routing");
        questions->record(3).topic = QStringLiteral("Switching");
        QCOMPARE(scores(*questions, {right(5), right(1), wrong(3), wrong(9)}),
                 (QStringList{"Routing 1/2", "Switching 0/1", "Other 1/1"}));

        questions = small_bank();
        questions->built_in = true;
        questions->record(1).explanation = QStringLiteral("Study Guide, Chapter 7, page 380");
        questions->record(5).explanation =
            QStringLiteral("Study Guide, Chapter 3, page 120\r\nSo.");
        questions->record(9).explanation = QStringLiteral("Study Guide, Chapter 7, page 399");
        // 3 cites nothing and was not filed; 2 was filed under chapter 4.
        QCOMPARE(scores(*questions, {right(3), right(1), wrong(2), right(5), wrong(9)}),
                 (QStringList{"Chapter 3: IP addressing and subnetting 1/1", "Chapter 4: IPX 0/1",
                              "Chapter 7: EIGRP and OSPF 1/2", "Other 1/1"}));
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
