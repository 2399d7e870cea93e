#include "study/study_session.h"

#include "bank/question_bank.h"
#include "study/question_identity.h"

#include <algorithm>
#include <climits>

namespace {

std::vector<std::int16_t> records_of(const std::vector<int>& numbers)
{
    return {numbers.begin(), numbers.end()};
}

} // namespace

StudySession::StudySession(const QuestionBank& questions) : bank_(questions) {}

StudySession::~StudySession() = default;

QString StudySession::open(const QString& path)
{
    RecordOpening opening = open_progress_record(path);
    record_ = std::move(opening.record);
    return opening.refusal;
}

void StudySession::close()
{
    record_.reset();
    running_ = 0;
}

QString StudySession::take_fault()
{
    if (!record_ || record_->recording() || fault_told_)
        return {};
    fault_told_ = true;
    return record_->fault();
}

void StudySession::started(const Attempt& attempt)
{
    running_ = 0;
    if (!record_)
        return;
    identities_ = bank_identities(bank_);
    const QuizPlan& plan = attempt.plan;
    AttemptStart start{QDateTime::currentDateTimeUtc(),
                       bank_identity(bank_),
                       bank_.test_title,
                       plan_title(plan),
                       {},
                       {},
                       plan.options.show_when_right == 1,
                       plan.options.show_when_wrong == 1,
                       plan.options.shuffle_questions == 1,
                       plan.options.shuffle_answers == 1,
                       (plan.time_limit + 59) / 60};
    for (const std::int16_t record : plan.records) {
        start.records.push_back(record);
        start.identities.push_back(identities_.at(static_cast<std::size_t>(record)));
    }
    running_ = record_->begin_attempt(start);
}

void StudySession::graded(const Attempt&, const GradedQuestion& question)
{
    if (!record_ || running_ == 0)
        return;
    record_->add_answer({running_, question.position, question.qid,
                         identities_.at(static_cast<std::size_t>(question.qid)), question.order,
                         question.pressed, question.typed, question.right(), question.seconds,
                         QDateTime::currentDateTimeUtc()});
}

void StudySession::ended(const Attempt& attempt)
{
    if (!record_ || running_ == 0)
        return;
    record_->end_attempt(running_, attempt.end, QDateTime::currentDateTimeUtc());
    running_ = 0;
}

const AttemptSummary* StudySession::last_attempt(const RecordHistory& history) const
{
    const QString bank_id = bank_identity(bank_);
    const auto last = std::ranges::find_if(history.attempts, [&](const AttemptSummary& summary) {
        return summary.attempt.bank_identity == bank_id;
    });
    return last == history.attempts.end() ? nullptr : &*last;
}

ProgressFigures StudySession::figures(QDate today) const
{
    ProgressFigures figures;
    if (!record_)
        return figures;
    const RecordHistory history = record_->history();
    const BankProgress progress = bank_progress(bank_, history);
    figures.attempts = attempt_rows(history.attempts);
    figures.chapters = chapter_rows(progress, history, today);
    figures.series = chapter_series(progress, history);
    figures.due = static_cast<int>(due_list(progress, today, INT_MAX).size());
    if (const AttemptSummary* last = last_attempt(history))
        figures.retake = static_cast<int>(
            retake_list(progress, record_->attempt(last->id), record_->answers(last->id)).size());
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    figures.heading =
        QStringLiteral("%1: %2, %3, %4 due today")
            .arg(bank_.test_title, count(history.attempts.size(), "attempt", "attempts"),
                 count(history.answers.size(), "answer", "answers"))
            .arg(figures.due);
    return figures;
}

std::optional<Attempt> StudySession::attempt(qint64 id) const
{
    if (!record_)
        return std::nullopt;
    const AttemptStart start = record_->attempt(id);
    if (start.bank_identity != bank_identity(bank_))
        return std::nullopt;
    const std::vector<QByteArray> identities = bank_identities(bank_);
    const auto record_of = [&](const QByteArray& identity) -> std::int16_t {
        const auto found = std::ranges::find(identities, identity);
        return found == identities.end() ? 0
                                         : static_cast<std::int16_t>(found - identities.begin());
    };
    Attempt attempt;
    attempt.plan.name = start.kind;
    attempt.plan.options = {
        0, std::int16_t(start.show_when_right), std::int16_t(start.show_when_wrong),
        std::int16_t(start.shuffle_answers), std::int16_t(start.shuffle_questions)};
    attempt.plan.time_limit = start.minutes * 60;
    for (const QByteArray& identity : start.identities) {
        if (const std::int16_t record = record_of(identity))
            attempt.plan.records.push_back(record);
    }
    for (const RecordedAnswer& answer : record_->answers(id)) {
        const std::int16_t record = record_of(answer.identity);
        if (record == 0)
            continue;
        attempt.graded.push_back({static_cast<std::int16_t>(answer.position), record, answer.order,
                                  answer.pressed, answer.typed,
                                  answer.right ? answer_right : answer_wrong, answer.seconds});
    }
    if (attempt.plan.records.empty())
        return std::nullopt;
    attempt.end = record_->ending(id);
    return attempt;
}

std::vector<std::int16_t> StudySession::practice(const std::vector<QString>& chapters, int count,
                                                 RandomSource& random) const
{
    if (!record_)
        return {};
    const RecordHistory history = record_->history();
    return records_of(practice_list(bank_progress(bank_, history), chapters, count, random));
}

std::vector<std::int16_t> StudySession::due(QDate today, int count) const
{
    if (!record_)
        return {};
    const RecordHistory history = record_->history();
    return records_of(due_list(bank_progress(bank_, history), today, count));
}

StudySession::Retake StudySession::retake_last() const
{
    if (!record_)
        return {};
    const RecordHistory history = record_->history();
    const AttemptSummary* last = last_attempt(history);
    if (!last)
        return {};
    return {last->attempt.kind,
            records_of(retake_list(bank_progress(bank_, history), record_->attempt(last->id),
                                   record_->answers(last->id)))};
}
