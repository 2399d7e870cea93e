#include "bank/question_bank.h"
#include "quiz/random_source.h"
#include "study/progress.h"
#include "study/question_identity.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

namespace {

const QDate monday(2025, 3, 3);

QDateTime at(int day, int hour)
{
    return QDateTime(monday.addDays(day), QTime(hour, 0), Qt::UTC);
}

// Eight questions: 1, 2, 3 and 7 on routing, 4, 5 and 8 on switching, 6 on no topic.
std::unique_ptr<QuestionBank> lab_bank()
{
    auto questions = std::make_unique<QuestionBank>();
    questions->test_title = QStringLiteral("Lab");
    questions->question_count = 8;
    const char* topics[] = {"",          "Routing", "Routing", "Routing",  "Switching",
                            "Switching", "",        "Routing", "Switching"};
    for (int n = 1; n <= 8; ++n) {
        QuestionRecord& record = questions->record(n);
        record.question_text = QStringLiteral("Question %1").arg(n);
        record.choice_text[1] = QStringLiteral("yes");
        record.choice_correct[1] = 1;
        record.topic = QString::fromLatin1(topics[n]);
    }
    return questions;
}

// Records an attempt of `list` from the bank titled `title`, its first rights.size() questions
// answered a minute apart; an ended attempt ends a minute after its last answer.
qint64 take(ProgressRecord& record, const QuestionBank& questions, const QString& title,
            const char* kind, const QDateTime& start, const std::vector<int>& list,
            const std::vector<bool>& rights, QuizEnd end)
{
    AttemptStart attempt;
    attempt.started = start;
    attempt.bank_identity = QStringLiteral("file: ") + title;
    attempt.bank_title = title;
    attempt.kind = QString::fromLatin1(kind);
    attempt.records = list;
    for (const int n : list)
        attempt.identities.push_back(question_identity(attempt.bank_identity, questions.record(n)));
    const qint64 id = record.begin_attempt(attempt);
    for (std::size_t i = 0; i < rights.size(); ++i) {
        RecordedAnswer answer;
        answer.attempt = id;
        answer.position = static_cast<int>(i) + 1;
        answer.identity = attempt.identities[i];
        answer.right = rights[i];
        answer.answered = start.addSecs(60 * answer.position);
        record.add_answer(answer);
    }
    if (end != QuizEnd::Running)
        record.end_attempt(id, end, start.addSecs(60 * (static_cast<int>(rights.size()) + 1)));
    return id;
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT

private slots:
    // Intervals 1, 6, then the last times the E-Factor rounded up; a wrong answer is due the
    // same day and takes 0.54 off the E-Factor, down to 1.3 (196, 142, 130); a right answer
    // before the due day changes nothing. Each row: the answers (day, right), then repetitions,
    // E-Factor in hundredths, interval and the due day.
    void sm2_schedule()
    {
        using Answers = std::vector<std::pair<int, bool>>;
        const auto R = [](int day) { return std::pair{day, true}; };
        const auto W = [](int day) { return std::pair{day, false}; };
        for (const auto& [answers, repetitions, easiness, interval, due] : {
                 std::tuple{Answers{R(0)}, 1, 250, 1, 1},
                 {Answers{R(0), R(1), R(7)}, 3, 250, 15, 22},
                 {Answers{R(0), R(1), R(7), R(22)}, 4, 250, 38, 60},
                 {Answers{R(0), R(1), W(7)}, 0, 196, 0, 7},
                 {Answers{R(0), R(1), W(7), R(7), R(8), R(14)}, 3, 196, 12, 26},
                 {Answers{W(0), W(0), W(0), W(0), R(0), R(1), R(7), R(15)}, 4, 130, 11, 26},
                 {Answers{R(0), R(0)}, 1, 250, 1, 1},
                 {Answers{R(0), R(5)}, 2, 250, 6, 11},
             }) {
            ReviewState state;
            for (const auto& [day, right] : answers)
                state = next_review(state, right, monday.addDays(day));
            QCOMPARE(std::tuple(state.repetitions, state.easiness, state.interval, state.due),
                     std::tuple(repetitions, easiness, interval, monday.addDays(due)));
        }
    }

    // What a reply is graded against makes the question; the rest can be mended.
    void an_edited_question_starts_fresh()
    {
        const auto questions = lab_bank();
        const QuestionRecord base = questions->record(1);
        const QByteArray identity = question_identity(QStringLiteral("file: Lab"), base);
        for (const auto& [edit, same] :
             std::initializer_list<std::pair<void (*)(QuestionRecord&), bool>>{
                 {[](QuestionRecord& r) { r.question_text += QLatin1Char('?'); }, false},
                 {[](QuestionRecord& r) { r.choice_correct[2] = 1; }, false},
                 {[](QuestionRecord& r) { r.question_type = QStringLiteral("fill_in"); }, false},
                 {[](QuestionRecord& r) { r.question_type = QStringLiteral("SINGLE_ANSWER"); },
                  true},
                 {[](QuestionRecord& r) { r.explanation = QStringLiteral("Because."); }, true},
             }) {
            QuestionRecord edited = base;
            edit(edited);
            QCOMPARE(question_identity(QStringLiteral("file: Lab"), edited) == identity, same);
        }
    }

    // A record built with known answers; every figure below was worked out by hand.
    void figures_of_a_known_record()
    {
        QTemporaryDir dir;
        const auto questions = lab_bank();
        const QString lab = QStringLiteral("Lab");
        const RecordOpening opening = open_progress_record(dir.filePath(QStringLiteral("r")));
        QVERIFY2(opening.record, qPrintable(opening.refusal));
        ProgressRecord& record = *opening.record;
        take(record, *questions, lab, "Practice", at(-5, 10), std::vector<int>(21, 6),
             std::vector<bool>(21, false), QuizEnd::Finished);
        take(record, *questions, lab, "Quiz 1", at(0, 12), {1, 2, 3, 4, 5, 6},
             {true, false, true, true, false, true}, QuizEnd::Finished);
        const qint64 retake =
            take(record, *questions, lab, "Retake", at(1, 12), {2, 5}, {true}, QuizEnd::Quit);
        take(record, *questions, QStringLiteral("Other bank"), "Practice", at(1, 13), {1}, {true},
             QuizEnd::Running);
        const qint64 due = take(record, *questions, lab, "Due", at(2, 12), {1, 3, 4},
                                {true, false, false}, QuizEnd::Finished);

        const RecordHistory history = record.history();
        using Row = std::tuple<QString, QString, int, int, int, QString, QString>;
        std::vector<Row> rows;
        for (const AttemptRow& row : attempt_rows(history.attempts))
            rows.emplace_back(row.when, row.quiz, row.right, row.answered, row.percent,
                              row.time_used, row.ending);
        QCOMPARE(rows,
                 (std::vector<Row>{
                     {"2025-03-05 12:00", "Lab, Due", 1, 3, 33, "4:00", ""},
                     {"2025-03-04 13:00", "Other bank, Practice", 1, 1, 100, "1:00", "unfinished"},
                     {"2025-03-04 12:00", "Lab, Retake", 1, 1, 100, "2:00", "quit"},
                     {"2025-03-03 12:00", "Lab, Quiz 1", 4, 6, 66, "7:00", ""},
                     {"2025-02-26 10:00", "Lab, Practice", 0, 21, 0, "22:00", ""},
                 }));

        const BankProgress progress = bank_progress(*questions, history);
        const QDate today = monday.addDays(2);
        // Name, right, asked, percent, questions, never seen, due, right twice. "Other" counts
        // the last 20 of its 22 answers; the other bank's answer counts nowhere.
        using Chapter = std::tuple<QString, int, int, int, int, int, int, int>;
        std::vector<Chapter> chapters;
        for (const ChapterRow& row : chapter_rows(progress, history, today))
            chapters.emplace_back(row.name, row.right, row.asked, row.percent, row.questions,
                                  row.never_seen, row.due, row.right_twice);
        QCOMPARE(chapters, (std::vector<Chapter>{
                               {"Other", 1, 20, 5, 1, 0, 1, 0},
                               {"Switching", 1, 3, 33, 3, 1, 2, 0},
                               {"Routing", 4, 6, 66, 4, 1, 2, 1},
                           }));

        // Each chapter's points: the attempt's day, right, asked and percent.
        using Point = std::tuple<QString, qint64, int, int, int>;
        std::vector<Point> points;
        for (const ChapterSeries& series : chapter_series(progress, history)) {
            for (const PlotPoint& point : series.points)
                points.emplace_back(series.name, monday.daysTo(point.started.date()), point.right,
                                    point.asked, point.percent);
        }
        QCOMPARE(points, (std::vector<Point>{
                             {"Routing", 0, 2, 3, 66},
                             {"Routing", 1, 1, 1, 100},
                             {"Routing", 2, 1, 2, 50},
                             {"Switching", 0, 1, 2, 50},
                             {"Switching", 2, 0, 1, 0},
                             {"Other", -5, 0, 21, 0},
                             {"Other", 0, 1, 1, 100},
                         }));

        // Due: 5 since day 0, 6 since day 1, 2, 3 and 4 today.
        QCOMPARE(due_list(progress, today, 10), (std::vector<int>{5, 6, 2, 3, 4}));
        QCOMPARE(due_list(progress, today, 3), (std::vector<int>{5, 6, 2}));
        QCOMPARE(due_list(progress, today.addDays(-1), 10), (std::vector<int>{5, 6}));

        // A retake holds what was missed and what was never asked.
        QCOMPARE(retake_list(progress, record.attempt(due), record.answers(due)),
                 (std::vector<int>{3, 4}));
        QCOMPARE(retake_list(progress, record.attempt(retake), record.answers(retake)),
                 (std::vector<int>{5}));

        // Never seen and last missed first (3 and 7 of routing; 4, 5 and 8 of switching).
        // Several seeds, so that chance cannot put them first.
        RandomSource random;
        for (const auto& [chosen, count, first, rest] :
             {std::tuple{std::vector<QString>{QStringLiteral("Routing")}, 3, QSet<int>{3, 7},
                         QSet<int>{1, 2}},
              {std::vector<QString>{QStringLiteral("Switching"), QStringLiteral("Other")}, 10,
               QSet<int>{4, 5, 8}, QSet<int>{6}}}) {
            for (std::uint32_t seed = 1; seed <= 8; ++seed) {
                random.seed(seed);
                const std::vector<int> list = practice_list(progress, chosen, count, random);
                QCOMPARE(int(list.size()), std::min(count, int(first.size() + rest.size())));
                const auto split = list.begin() + first.size();
                QCOMPARE(QSet<int>(list.begin(), split), first);
                for (auto n = split; n != list.end(); ++n)
                    QVERIFY(rest.contains(*n));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "test_progress.moc"
