#include "bank/question_bank.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz.h"
#include "quiz/random_source.h"
#include "quiz/review.h"

#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// Records 1 to 12, three quizzes' worth each of four: record r asks "Q r" with the choices
// "r a" to "r d", of which "r c" is correct; record 7 wants "seven" typed.
std::unique_ptr<QuestionBank> small_bank()
{
    auto made = std::make_unique<QuestionBank>();
    made->question_count = 12;
    for (int r = 1; r <= 12; ++r) {
        QuestionRecord& record = made->record(r);
        record.question_text = QStringLiteral("Q %1").arg(r);
        for (std::size_t i = 1; i <= 4; ++i)
            record.choice_text[i] = QStringLiteral("%1 %2").arg(r).arg(QChar(u'a' + int(i) - 1));
        record.choice_correct[3] = 1;
    }
    QuestionRecord& typed = made->record(7);
    typed.question_type = QStringLiteral("fill_in");
    typed.choice_text = {QString(), QStringLiteral("seven")};
    typed.choice_correct = {};
    return made;
}

// A quiz on its own state, options, generator and bank.
struct Run {
    explicit Run(int quiz_choice, bool shuffle_questions = false, bool shuffle_answers = false)
    {
        random.stop_clock(9);
        state.questions_per_quiz = questions_per_quiz(bank->question_count);
        options.quiz_choice = static_cast<std::int16_t>(quiz_choice);
        options.shuffle_questions = shuffle_questions ? 1 : 0;
        options.shuffle_answers = shuffle_answers ? 1 : 0;
        quiz.start();
    }
    // Every record the quiz asks, from where it stands to its end, grading each wrong.
    std::vector<int> asked()
    {
        std::vector<int> qids;
        while (quiz.next_question()) {
            qids.push_back(state.current_qid);
            quiz.grade({}, {});
        }
        return qids;
    }
    // The display position of the stored choice, as the shuffle placed it.
    int shown_at(int stored) const
    {
        const ChoiceOrder& order = quiz.shown_order();
        return int(std::find(order.begin() + 1, order.end(), stored) - order.begin());
    }

    std::unique_ptr<QuestionBank> bank = small_bank();
    QuizState state;
    QuizOptions options;
    RandomSource random;
    Quiz quiz{state, options, random, *bank};
};

ChoiceFlags pressed_at(std::initializer_list<int> positions)
{
    ChoiceFlags flags{};
    for (const int p : positions)
        flags[static_cast<std::size_t>(p)] = true;
    return flags;
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    void quiz_k_asks_every_fourth_record_from_k()
    {
        const std::vector<std::vector<int>> in_order = {
            {1, 5, 9}, {2, 6, 10}, {3, 7, 11}, {4, 8, 12}};
        for (int k = 1; k <= 4; ++k) {
            Run run(k);
            QCOMPARE(run.quiz.length(), 3);
            QCOMPARE(run.asked(), in_order[std::size_t(k - 1)]);
            QCOMPARE(run.state.current_question, std::int16_t(4));
            QCOMPARE(run.state.right_count, std::int16_t(0));

            std::vector<int> shuffled = Run(k, true).asked();
            std::sort(shuffled.begin(), shuffled.end());
            QCOMPARE(shuffled, in_order[std::size_t(k - 1)]);
        }
    }

    // The reply is read by display position: the flag that counts is the one shown there.
    void pressed_positions_grade_against_the_choices_as_shown()
    {
        struct Case {
            const char* name;
            std::vector<int> stored; // the stored choices pressed, 3 being the correct one
            std::int16_t status;
        };
        const Case cases[] = {
            {"the correct choice", {3}, answer_right},
            {"nothing", {}, answer_wrong},
            {"a wrong choice", {1}, answer_wrong},
            {"the correct and a wrong one", {3, 4}, answer_wrong},
        };
        for (const bool shuffle : {false, true}) {
            for (const Case& c : cases) {
                Run run(1, false, shuffle);
                QVERIFY(run.quiz.next_question());
                ChoiceFlags pressed{};
                for (const int stored : c.stored)
                    pressed[std::size_t(run.shown_at(stored))] = true;
                QVERIFY2(run.quiz.grade(pressed, {}) == c.status, c.name);
                QCOMPARE(run.state.answer_status, c.status);
                QCOMPARE(run.state.right_count, std::int16_t(c.status == answer_right));
            }
        }
    }

    void each_graded_question_is_kept_as_shown_and_answered()
    {
        Run run(3); // records 3, 7 (typed), 11
        QVERIFY(run.quiz.next_question());
        run.quiz.grade(pressed_at({3}), QStringLiteral("x"));
        QVERIFY(run.quiz.next_question());
        run.quiz.grade(pressed_at({1}), QStringLiteral("  Seven "));
        QVERIFY(run.quiz.next_question());
        run.quiz.grade(pressed_at({1, 2}), {});
        const ChoiceOrder same{0, 1, 2, 3, 4, 5, 6};
        const std::vector<GradedQuestion> want = {
            {1, 3, same, pressed_at({3}), QString(), answer_right},
            {2, 7, same, {}, QStringLiteral("  Seven "), answer_right},
            {3, 11, same, pressed_at({1, 2}), QString(), answer_wrong},
        };
        QCOMPARE(run.quiz.graded().size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            const GradedQuestion& got = run.quiz.graded()[i];
            QCOMPARE(got.position, want[i].position);
            QCOMPARE(got.qid, want[i].qid);
            QCOMPARE(got.order, want[i].order);
            QCOMPARE(got.pressed, want[i].pressed);
            QCOMPARE(got.typed, want[i].typed);
            QCOMPARE(got.answer_status, want[i].answer_status);
        }
        QCOMPARE(run.quiz.missed(), std::vector<std::int16_t>{11});

        // With the choices shuffled, the order kept is the one the question was shown in.
        Run shuffled(1, false, true);
        QVERIFY(shuffled.quiz.next_question());
        shuffled.quiz.grade({}, {});
        const ChoiceOrder kept = shuffled.quiz.graded().front().order;
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(shuffled.state.current_record.choice_text[std::size_t(i)],
                     QStringLiteral("1 %1").arg(QChar(u'a' + kept[std::size_t(i)] - 1)));
    }

    // A quit leaves the question on screen ungraded: the total is what was graded.
    void quit_ends_with_the_graded_questions()
    {
        struct Case {
            int graded;
            int right;
        };
        for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 1}}) {
            Run run(2);
            for (int i = 0; i < c.graded; ++i) {
                QVERIFY(run.quiz.next_question());
                run.quiz.grade(i == 0 ? pressed_at({3}) : ChoiceFlags{}, {});
            }
            QVERIFY(run.quiz.next_question());
            run.quiz.quit();
            QVERIFY(!run.quiz.next_question());
            run.quiz.finish();
            QCOMPARE(int(run.state.current_question), c.graded);
            QCOMPARE(int(run.state.right_count), c.right);
            QCOMPARE(int(run.quiz.graded().size()), c.graded);
        }
    }

    void a_retake_asks_exactly_the_missed_records()
    {
        Run run(4);
        const ChoiceFlags right = pressed_at({3});
        const ChoiceFlags wrong{};
        for (const ChoiceFlags& reply : {wrong, right, wrong}) { // records 4, 8, 12
            QVERIFY(run.quiz.next_question());
            run.quiz.grade(reply, {});
        }
        const std::vector<std::int16_t> missed = run.quiz.missed();
        QCOMPARE(missed, (std::vector<std::int16_t>{4, 12}));
        run.quiz.start_retake(missed);
        QCOMPARE(run.quiz.length(), 2);
        QVERIFY(run.quiz.graded().empty());
        QCOMPARE(run.asked(), (std::vector<int>{4, 12}));

        run.options.shuffle_questions = 1;
        run.quiz.start_retake({4, 8, 12});
        std::vector<int> shuffled = run.asked();
        std::sort(shuffled.begin(), shuffled.end());
        QCOMPARE(shuffled, (std::vector<int>{4, 8, 12}));

        run.quiz.start_retake({});
        QVERIFY(!run.quiz.next_question());
    }

    void feedback_follows_the_options()
    {
        struct Case {
            bool right, show_when_right, show_when_wrong, wanted;
        };
        const Case cases[] = {
            {true, false, true, false},  {true, true, false, true},    {false, false, true, true},
            {false, true, false, false}, {false, false, false, false},
        };
        for (const Case& c : cases) {
            Run run(1);
            run.options.show_when_right = c.show_when_right;
            run.options.show_when_wrong = c.show_when_wrong;
            QVERIFY(run.quiz.next_question());
            run.quiz.grade(c.right ? pressed_at({3}) : ChoiceFlags{}, {});
            QCOMPARE(run.quiz.feedback_wanted(), c.wanted);
        }
    }

    void the_clock_reads_minutes_and_seconds_and_announces_three_times()
    {
        const std::pair<int, const char*> texts[] = {
            {2480, "41:20 left"}, {36000, "600:00 left"}, {59, "0:59 left"}, {0, "0:00 left"}};
        for (const auto& [seconds, text] : texts)
            QCOMPARE(time_left_text(seconds), QString::fromLatin1(text));
        struct Case {
            int before, now, minutes;
        };
        const Case cases[] = {{601, 600, 10}, {700, 599, 10}, {600, 599, 0}, {301, 300, 5},
                              {61, 60, 1},    {60, 59, 0},    {700, 30, 1},  {900, 800, 0}};
        for (const Case& c : cases)
            QCOMPARE(minutes_to_announce(c.before, c.now), c.minutes);
    }

    void review_rows_say_what_was_answered_and_what_is_right()
    {
        const auto questions = small_bank();
        const GradedQuestion shuffled{2,  5,           {0, 3, 1, 2, 4, 5, 6}, pressed_at({2}),
                                      {}, answer_wrong};
        const GradedQuestion both{4,  9,           {0, 1, 2, 3, 4, 5, 6}, pressed_at({1, 3}),
                                  {}, answer_wrong};
        const GradedQuestion typed{
            1, 7, {0, 1, 2, 3, 4, 5, 6}, {}, QStringLiteral(" Seven"), answer_right};
        struct Case {
            GradedQuestion graded;
            const char *reply, *answer, *spoken;
        };
        const Case cases[] = {
            {shuffled, "B", "A", "Question 2, QID 5, wrong, you pressed B, right: A"},
            {both, "AC", "C", "Question 4, QID 9, wrong, you pressed AC, right: C"},
            {typed, "\" Seven\"", "seven",
             "Question 1, QID 7, right, you typed \" Seven\", accepted: seven"},
        };
        for (const Case& c : cases) {
            const ReviewRow row = review_row(c.graded, *questions);
            QCOMPARE(row.reply, QString::fromUtf8(c.reply));
            QCOMPARE(row.answer, QString::fromUtf8(c.answer));
            QCOMPARE(row.spoken, QString::fromUtf8(c.spoken));
            QCOMPARE(row.right, c.graded.right());
        }
    }

    // A file's records group by topic, "Other" last; the built-in ones by chapter, in the book's
    // order, an uncited record by the chapter it was filed under.
    void scores_are_grouped_by_topic_or_chapter()
    {
        auto questions = small_bank();
        questions->record(1).topic = QStringLiteral(" Routing ");
        questions->record(9).topic = QStringLiteral("Routing");
        questions->record(3).topic = QStringLiteral("Switching");
        const auto graded = [](std::initializer_list<std::pair<int, bool>> replies) {
            std::vector<GradedQuestion> list;
            for (const auto& [qid, right] : replies)
                list.push_back(
                    {1, std::int16_t(qid), {}, {}, {}, right ? answer_right : answer_wrong});
            return list;
        };
        const auto scores = [&] {
            std::vector<std::tuple<QString, int, int>> got;
            for (const GroupScore& score :
                 group_scores(graded({{5, true}, {1, true}, {3, false}, {9, false}}), *questions))
                got.emplace_back(score.name, score.right, score.asked);
            return got;
        };
        using Want = std::vector<std::tuple<QString, int, int>>;
        QCOMPARE(scores(), (Want{{"Routing", 1, 2}, {"Switching", 0, 1}, {"Other", 1, 1}}));

        questions->built_in = true;
        questions->record(1).topic.clear();
        questions->record(9).topic.clear();
        questions->record(3).topic.clear();
        questions->record(1).explanation = QStringLiteral("Study Guide, Chapter 7, page 380");
        questions->record(5).explanation =
            QStringLiteral("Study Guide, Chapter 3, page 120\r\nWhy.");
        questions->record(9).explanation = QStringLiteral("Study Guide, Chapter 7, page 399");
        // 3 cites nothing and is not filed; 2 was filed under chapter 4.
        const auto chapters = group_scores(
            graded({{3, true}, {1, true}, {2, false}, {5, true}, {9, false}}), *questions);
        QStringList names;
        for (const GroupScore& chapter : chapters)
            names << chapter.name;
        QCOMPARE(names, (QStringList{"Chapter 3: IP addressing and subnetting", "Chapter 4: IPX",
                                     "Chapter 7: EIGRP and OSPF", "Other"}));
        QCOMPARE(chapters[2].right, 1);
        QCOMPARE(chapters[2].asked, 2);
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
