#include "study_bench.h"

#include "program_bench.h"

#include "bank/question_bank.h"
#include "quiz/random_source.h"
#include "study/progress_record.h"
#include "study/question_identity.h"
#include "study/study_session.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// `count` attempts of `length` answers of the built-in bank, one a day, about three in four
// right; the time each answer took to record goes to `times` when given.
std::string record_study(const QString& path, int count, int length, std::vector<double>* times)
{
    const RecordOpening opening = open_progress_record(path);
    if (!opening.record)
        return opening.refusal.toStdString();
    ProgressRecord& record = *opening.record;
    const std::vector<QByteArray> identities = bank_identities(bank);
    RandomSource random;
    random.seed(27);
    const QDateTime first_day = QDateTime::currentDateTimeUtc().addDays(-count);
    for (int a = 0; a < count; ++a) {
        AttemptStart start;
        start.started = first_day.addDays(a);
        start.bank_identity = bank_identity(bank);
        start.bank_title = bank.test_title;
        start.kind = QStringLiteral("Quiz %1").arg(a % 4 + 1);
        for (int i = 0; i < length; ++i) {
            const int n = (a % 4 + 1 + 4 * i) % bank.question_count + 1;
            start.records.push_back(n);
            start.identities.push_back(identities[static_cast<std::size_t>(n)]);
        }
        const qint64 id = record.begin_attempt(start);
        for (int i = 0; i < length; ++i) {
            RecordedAnswer answer;
            answer.attempt = id;
            answer.position = i + 1;
            answer.record_number = start.records[static_cast<std::size_t>(i)];
            answer.identity = start.identities[static_cast<std::size_t>(i)];
            answer.order = {0, 2, 4, 1, 3, 5, 6};
            answer.pressed[2] = true;
            answer.right = random.next() < 0.75F;
            answer.seconds = 20;
            answer.answered = start.started.addSecs(qint64{20} * answer.position);
            const auto started = Clock::now();
            const bool added = record.add_answer(answer);
            if (times)
                times->push_back(seconds_since(started));
            if (!added)
                return record.fault().toStdString();
        }
        record.end_attempt(id, QuizEnd::Finished, start.started.addSecs(qint64{20} * (length + 1)));
    }
    return {};
}

} // namespace

StudyTimes time_study(int attempts, int answers, int runs)
{
    load_bank();
    StudyTimes times;
    QTemporaryDir dir;
    const QString year = dir.filePath(QStringLiteral("year.sqlite3"));
    times.refusal = record_study(year, 365, 56, &times.add_answer);
    times.year_bytes = QFileInfo(year).size();
    const QString large = dir.filePath(QStringLiteral("large.sqlite3"));
    if (times.refusal.empty())
        times.refusal = record_study(large, attempts, answers, nullptr);
    if (!times.refusal.empty())
        return times;
    for (int run = 0; run < runs; ++run) {
        StudySession session(bank);
        const auto started = Clock::now();
        if (const QString refusal = session.open(large); !refusal.isEmpty()) {
            times.refusal = refusal.toStdString();
            return times;
        }
        times.open.push_back(seconds_since(started));
        const auto computed = Clock::now();
        const std::clock_t processor = std::clock();
        if (session.figures(QDate::currentDate()).attempts.empty())
            return times;
        times.figures.push_back(seconds_since(computed));
        times.figures_cpu.push_back(static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC);
    }
    times.window = time_progress_window(large, runs);
    return times;
}
