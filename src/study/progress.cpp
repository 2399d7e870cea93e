#include "study/progress.h"

#include "bank/question_bank.h"
#include "quiz/quiz_rules.h"
#include "quiz/random_source.h"
#include "quiz/review.h"
#include "study/question_identity.h"

#include <QSet>

#include <algorithm>

namespace {

// Local dates of UTC times, looked up once a quarter of an hour: every time zone's offset, and
// so its midnight, falls on a whole quarter of an hour.
class LocalDays {
public:
    QDate of(qint64 seconds)
    {
        const qint64 quarter = seconds / quarter_hour;
        auto found = days_.constFind(quarter);
        if (found == days_.constEnd())
            found =
                days_.insert(quarter, QDateTime::fromSecsSinceEpoch(quarter * quarter_hour).date());
        return *found;
    }

private:
    static constexpr qint64 quarter_hour = qint64{15} * 60;
    QHash<qint64, QDate> days_;
};

QString ending_text(QuizEnd end)
{
    switch (end) {
    case QuizEnd::Quit:
        return QStringLiteral("quit");
    case QuizEnd::TimeUp:
        return QStringLiteral("time up");
    case QuizEnd::Running:
        return QStringLiteral("unfinished");
    case QuizEnd::Finished:
        break;
    }
    return {};
}

QString minutes_text(qint64 seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Chapters by their number, topics after them as first met, "Other" last; the index in the
// result of each record's group.
std::vector<int> sort_groups(const QuestionBank& questions, std::vector<QString>& groups)
{
    struct Ranked {
        int rank;
        QString name;
    };
    std::vector<Ranked> ranked;
    std::vector<QString> names(static_cast<std::size_t>(questions.question_count) + 1);
    for (int n = 1; n <= questions.question_count; ++n) {
        const QuestionGroup group = group_of(questions, n);
        names[static_cast<std::size_t>(n)] = group.name;
        if (std::any_of(ranked.begin(), ranked.end(),
                        [&](const Ranked& r) { return r.name == group.name; }))
            continue;
        ranked.push_back({group_rank(group, n), group.name});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    QHash<QString, int> index_of;
    for (const Ranked& group : ranked) {
        index_of.insert(group.name, static_cast<int>(groups.size()));
        groups.push_back(group.name);
    }
    std::vector<int> group_of_record(names.size(), 0);
    for (std::size_t n = 1; n < names.size(); ++n)
        group_of_record[n] = index_of.value(names[n]);
    return group_of_record;
}

void shuffle(std::vector<int>& items, RandomSource& random)
{
    for (std::size_t i = items.size(); i > 1; --i) {
        const auto j = std::min(
            static_cast<std::size_t>(static_cast<double>(random.next()) * static_cast<double>(i)),
            i - 1);
        std::swap(items[i - 1], items[j]);
    }
}

} // namespace

std::vector<AttemptRow> attempt_rows(const std::vector<AttemptSummary>& attempts)
{
    std::vector<AttemptRow> rows;
    rows.reserve(attempts.size());
    for (const AttemptSummary& summary : attempts) {
        AttemptRow row;
        row.id = summary.id;
        // "2025-03-02T18:40:00" is Qt's fast path; a pattern would be parsed on every row.
        row.when = summary.attempt.started.toLocalTime().toString(Qt::ISODate).left(16);
        row.when[10] = QLatin1Char(' ');
        row.quiz = summary.attempt.bank_title + QStringLiteral(", ") + summary.attempt.kind;
        row.right = summary.right;
        row.answered = summary.answered;
        row.percent = percent_right(summary.right, summary.answered);
        row.time_used = minutes_text(summary.seconds_used);
        row.ending = ending_text(summary.end);
        rows.push_back(std::move(row));
    }
    return rows;
}

BankProgress bank_progress(const QuestionBank& questions, const RecordHistory& history)
{
    BankProgress progress;
    progress.group_of_record = sort_groups(questions, progress.groups);
    const std::vector<QByteArray> identities = bank_identities(questions);
    // Backwards, so that of records with the same content the first stands for them all.
    for (std::size_t n = identities.size() - 1; n >= 1; --n)
        progress.record_of_identity.insert(identities[n], static_cast<int>(n));

    progress.record_of_question.resize(history.identities.size());
    for (std::size_t q = 0; q < history.identities.size(); ++q)
        progress.record_of_question[q] = progress.record_of_identity.value(history.identities[q]);

    std::vector<QuestionProgress> by_question(history.identities.size());
    LocalDays days;
    for (const AnswerFact& fact : history.answers) {
        const auto q = static_cast<std::size_t>(fact.question);
        if (progress.record_of_question[q] == 0)
            continue;
        QuestionProgress& question = by_question[q];
        ++question.answers;
        question.right_in_a_row = fact.right ? question.right_in_a_row + 1 : 0;
        question.review = next_review(question.review, fact.right, days.of(fact.answered));
    }
    // Records of the same content share one identity, and so one history.
    QHash<QByteArray, int> question_of;
    for (std::size_t q = 0; q < history.identities.size(); ++q)
        question_of.insert(history.identities[q], static_cast<int>(q));
    progress.questions.resize(identities.size());
    for (std::size_t n = 1; n < identities.size(); ++n) {
        const auto found = question_of.constFind(identities[n]);
        if (found != question_of.constEnd())
            progress.questions[n] = by_question[static_cast<std::size_t>(*found)];
    }
    return progress;
}

std::vector<ChapterRow> chapter_rows(const BankProgress& progress, const RecordHistory& history,
                                     QDate today)
{
    std::vector<ChapterRow> rows(progress.groups.size());
    for (std::size_t g = 0; g < rows.size(); ++g)
        rows[g].name = progress.groups[g];
    for (std::size_t n = 1; n < progress.questions.size(); ++n) {
        ChapterRow& row = rows[static_cast<std::size_t>(progress.group_of_record[n])];
        const QuestionProgress& question = progress.questions[n];
        ++row.questions;
        row.never_seen += question.answers == 0 ? 1 : 0;
        row.due += question.answers > 0 && question.review.due <= today ? 1 : 0;
        row.right_twice += question.right_in_a_row >= 2 ? 1 : 0;
    }
    // Newest first, so that each chapter counts its last answers.
    for (std::size_t i = history.answers.size(); i-- > 0;) {
        const AnswerFact& fact = history.answers[i];
        const int record = progress.record_of_question[static_cast<std::size_t>(fact.question)];
        if (record == 0)
            continue;
        ChapterRow& row = rows[static_cast<std::size_t>(
            progress.group_of_record[static_cast<std::size_t>(record)])];
        if (row.asked < recent_answers) {
            ++row.asked;
            row.right += fact.right ? 1 : 0;
        }
    }
    for (ChapterRow& row : rows)
        row.percent = percent_right(row.right, row.asked);
    std::stable_sort(rows.begin(), rows.end(), [](const ChapterRow& a, const ChapterRow& b) {
        if ((a.asked == 0) != (b.asked == 0))
            return b.asked == 0;
        return a.percent < b.percent;
    });
    return rows;
}

std::vector<ChapterSeries> chapter_series(const BankProgress& progress,
                                          const RecordHistory& history)
{
    const std::vector<AttemptSummary>& attempts = history.attempts;
    // Oldest first.
    QHash<qint64, std::size_t> place_of;
    for (std::size_t i = 0; i < attempts.size(); ++i)
        place_of.insert(attempts[i].id, attempts.size() - 1 - i);
    const std::size_t groups = progress.groups.size();
    std::vector<PlotPoint> points(attempts.size() * groups);
    for (const AnswerFact& fact : history.answers) {
        const int record = progress.record_of_question[static_cast<std::size_t>(fact.question)];
        const auto place = place_of.constFind(fact.attempt);
        if (record == 0 || place == place_of.constEnd())
            continue;
        const auto group =
            static_cast<std::size_t>(progress.group_of_record[static_cast<std::size_t>(record)]);
        PlotPoint& point = points[*place * groups + group];
        ++point.asked;
        point.right += fact.right ? 1 : 0;
    }
    std::vector<ChapterSeries> series;
    for (std::size_t g = 0; g < groups; ++g) {
        ChapterSeries chapter{progress.groups[g], {}};
        for (std::size_t place = 0; place < attempts.size(); ++place) {
            PlotPoint point = points[place * groups + g];
            if (point.asked == 0)
                continue;
            const AttemptSummary& attempt = attempts[attempts.size() - 1 - place];
            point.started = attempt.attempt.started;
            point.percent = percent_right(point.right, point.asked);
            chapter.points.push_back(point);
        }
        if (!chapter.points.empty())
            series.push_back(std::move(chapter));
    }
    return series;
}

std::vector<int> practice_list(const BankProgress& progress, const std::vector<QString>& chapters,
                               int count, RandomSource& random)
{
    std::vector<int> first;
    std::vector<int> rest;
    for (std::size_t n = 1; n < progress.questions.size(); ++n) {
        const QString& group =
            progress.groups[static_cast<std::size_t>(progress.group_of_record[n])];
        if (std::find(chapters.begin(), chapters.end(), group) == chapters.end())
            continue;
        const QuestionProgress& question = progress.questions[n];
        (question.answers == 0 || question.right_in_a_row == 0 ? first : rest)
            .push_back(static_cast<int>(n));
    }
    shuffle(first, random);
    shuffle(rest, random);
    first.insert(first.end(), rest.begin(), rest.end());
    first.resize(std::min(first.size(), static_cast<std::size_t>(std::max(count, 0))));
    return first;
}

std::vector<int> due_list(const BankProgress& progress, QDate today, int limit)
{
    std::vector<int> due;
    for (std::size_t n = 1; n < progress.questions.size(); ++n) {
        const QuestionProgress& question = progress.questions[n];
        if (question.answers > 0 && question.review.due <= today)
            due.push_back(static_cast<int>(n));
    }
    std::stable_sort(due.begin(), due.end(), [&](int a, int b) {
        return progress.questions[static_cast<std::size_t>(a)].review.due <
               progress.questions[static_cast<std::size_t>(b)].review.due;
    });
    due.resize(std::min(due.size(), static_cast<std::size_t>(std::max(limit, 0))));
    return due;
}

std::vector<int> retake_list(const BankProgress& progress, const AttemptStart& attempt,
                             const std::vector<RecordedAnswer>& answers)
{
    QSet<int> right;
    for (const RecordedAnswer& answer : answers) {
        if (answer.right)
            right.insert(answer.position);
    }
    std::vector<int> records;
    for (std::size_t i = 0; i < attempt.identities.size(); ++i) {
        const int record = progress.record_of_identity.value(attempt.identities[i]);
        if (record > 0 && !right.contains(static_cast<int>(i) + 1))
            records.push_back(record);
    }
    return records;
}
