#include "bank/question_bank.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz.h"
#include "quiz/quiz_plan.h"
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

// A quiz on its own generator and bank, its clock read from `now`.
struct Run {
    explicit Run(QuizPlan plan)
    {
        random.stop_clock(9);
        set_exam_time_source([this] { return now; });
        quiz.start(std::move(plan));
    }
    explicit Run(int k, bool shuffle_questions = false, bool shuffle_answers = false)
        : Run(built_in_plan({std::int16_t(k), 0, 0, std::int16_t(shuffle_answers),
                             std::int16_t(shuffle_questions)},
                            4, 0))
    {
    }
    ~Run() { set_exam_time_source({}); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // The records asked from here to the end, each graded wrong.
    std::vector<int> asked()
    {
        std::vector<int> qids;
        while (quiz.next_question()) {
            qids.push_back(quiz.state().current_qid);
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
    // Takes the next question and answers it: 'r' right, 'w' wrong.
    void answer(char reply)
    {
        QVERIFY(quiz.next_question());
        quiz.grade(reply == 'r' ? pressing({3}) : pressing({1}), {});
    }

    std::unique_ptr<QuestionBank> bank = small_bank();
    RandomSource random;
    Quiz quiz{random, *bank};
    qint64 now = 0;
};

QuizPlan plan_of(std::vector<std::int16_t> records, int time_limit = 0)
{
    return {QStringLiteral("Quiz #2"), 0, std::move(records), {2, 0, 0, 0, 0}, time_limit};
}

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
        QCOMPARE(Run(plan_of({14, 3, 9})).asked(), (std::vector<int>{14, 3, 9}));
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
            QCOMPARE(run.quiz.state().answer_status, c.status);
        }
        QCOMPARE(run.quiz.state().right_count, std::int16_t(2));
        QVERIFY(orders.front() != orders.back()); // shuffled indeed
        for (std::size_t i = 0; i < 4; ++i) {
            const GradedQuestion& kept = run.quiz.attempt().graded.at(i);
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
        QCOMPARE(run.quiz.attempt().not_yet_right(), (std::vector<std::int16_t>{11, 15}));
    }

    void feedback_follows_the_option_for_the_reply()
    {
        for (const auto& [when_right, when_wrong] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
            QuizPlan plan = plan_of({1, 5});
            plan.options.show_when_right = std::int16_t(when_right);
            plan.options.show_when_wrong = std::int16_t(when_wrong);
            Run run(plan);
            run.answer('r');
            QCOMPARE(run.quiz.feedback_wanted(), when_right == 1);
            run.answer('w');
            QCOMPARE(run.quiz.feedback_wanted(), when_wrong == 1);
        }
    }

    // Quiz 2 of the small bank, 10 minutes: what was graded, how it ended and what a retake holds.
    // Time runs out with a reply on screen (marked or not), or under the feedback window of a
    // graded one: no further question comes either way.
    void a_quiz_ends_by_its_end_a_quit_or_the_clock()
    {
        struct Case {
            const char* replies; // 'r', 'w'; 'q' quits; 'T' time up with a mark on screen, 't'
                                 // untouched; '!' the clock runs out after the last reply
            int graded, right;
            QuizEnd end;
            std::vector<std::int16_t> retake;
        };
        const Case cases[] = {
            {"rwrw", 4, 2, QuizEnd::Finished, {6, 14}},
            {"rrrr", 4, 4, QuizEnd::Finished, {}},
            {"rwq", 2, 1, QuizEnd::Quit, {6, 10, 14}},
            {"q", 0, 0, QuizEnd::Quit, {2, 6, 10, 14}},
            {"rT", 2, 2, QuizEnd::TimeUp, {10, 14}},
            {"rt", 1, 1, QuizEnd::TimeUp, {6, 10, 14}},
            {"rw!", 2, 1, QuizEnd::TimeUp, {6, 10, 14}},
            {"rwrw!", 4, 2, QuizEnd::Finished, {6, 14}},
        };
        for (const Case& c : cases) {
            Run run(plan_of({2, 6, 10, 14}, 600));
            for (const char* reply = c.replies; *reply; ++reply) {
                if (*reply == 'r' || *reply == 'w') {
                    run.answer(*reply);
                } else if (*reply == 'q') {
                    QVERIFY(run.quiz.next_question());
                    run.quiz.quit();
                } else if (*reply == '!') {
                    run.now = 600 * 1000;
                } else {
                    QVERIFY(run.quiz.next_question());
                    run.now = 600 * 1000;
                    QVERIFY(run.quiz.out_of_time());
                    run.quiz.time_up(*reply == 'T' ? run.pressing({3}) : ChoiceFlags{}, {});
                }
            }
            QVERIFY2(!run.quiz.next_question(), c.replies);
            const Attempt& attempt = run.quiz.attempt();
            QCOMPARE(int(attempt.graded.size()), c.graded);
            QCOMPARE(attempt.right_count(), c.right);
            QCOMPARE(int(run.quiz.state().right_count), c.right);
            QVERIFY2(attempt.end == c.end, c.replies);
            QCOMPARE(attempt.not_yet_right(), c.retake);
        }
    }

    // A retake asks what was not yet right, a retake of a retake what is left of that, each with
    // the time per question the quiz had: 600 s for 4, 450 s for 3, 300 s for 2.
    void a_retake_of_a_retake_asks_what_is_not_yet_right()
    {
        Run run(plan_of({2, 6, 10, 14}, 600));
        run.answer('r');
        run.answer('w');
        run.quiz.quit();
        QuizPlan retake = retake_plan(run.quiz.attempt());
        QCOMPARE(retake.records, (std::vector<std::int16_t>{6, 10, 14}));
        QCOMPARE(retake.time_limit, 450);
        QCOMPARE(plan_title(retake), QStringLiteral("Quiz #2, retake 1"));

        run.quiz.start(retake);
        QVERIFY(run.quiz.timed() && run.quiz.seconds_left() == 450);
        run.answer('r');
        run.quiz.quit();
        retake = retake_plan(run.quiz.attempt());
        QCOMPARE(retake.records, (std::vector<std::int16_t>{10, 14}));
        QCOMPARE(retake.time_limit, 300);
        QCOMPARE(plan_title(retake), QStringLiteral("Quiz #2, retake 2"));
        retake.options.shuffle_questions = 1;
        run.quiz.start(retake);
        std::vector<int> asked = run.asked();
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, (std::vector<int>{10, 14}));
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

    // The heading names the quiz, its score and an early end; a typed answer's detail leaves a
    // blank line before the explanation, as a choice list does.
    void a_review_says_what_it_is_of()
    {
        Attempt attempt{plan_of({2, 6, 10, 14}), {right(6), wrong(2), right(7)}, QuizEnd::Finished};
        QCOMPARE(attempt_heading(attempt), QStringLiteral("Quiz #2: 2 of 3 right, 66%"));
        attempt.plan.retake = 2;
        attempt.end = QuizEnd::Quit;
        QCOMPARE(attempt_heading(attempt),
                 QStringLiteral("Quiz #2, retake 2: 2 of 3 right, 66%; Quit Test after 3 of 4 "
                                "questions"));
        attempt.end = QuizEnd::TimeUp;
        QVERIFY(attempt_heading(attempt).endsWith(QLatin1String("; time ran out after 3 of 4 "
                                                                "questions")));
        const auto questions = small_bank();
        questions->record(7).explanation = QStringLiteral("Seven is seven.");
        GradedQuestion typed = right(7);
        typed.typed = QStringLiteral("seven");
        QVERIFY(review_detail(typed, *questions)
                    .endsWith(QLatin1String("Accepted:\r\n    seven\r\n\r\nSeven is seven.")));
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
