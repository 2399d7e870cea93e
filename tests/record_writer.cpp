// record_writer FILE COUNT: records COUNT answers into the progress record FILE, one attempt,
// and prints each answer's position once it is committed. test_progress_record kills it, or runs
// two at once, and counts what the file holds.
#include "study/progress_record.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const RecordOpening opening = open_progress_record(QString::fromLocal8Bit(argv[1]));
    if (!opening.record) {
        std::fprintf(stderr, "%s\n", qPrintable(opening.refusal));
        return 2;
    }
    ProgressRecord& record = *opening.record;
    AttemptStart start;
    start.started = QDateTime::currentDateTimeUtc();
    start.kind = QStringLiteral("Drill");
    const qint64 attempt = record.begin_attempt(start);
    std::printf("0\n");
    std::fflush(stdout);
    for (int position = 1; position <= QByteArray(argv[2]).toInt(); ++position) {
        RecordedAnswer answer;
        answer.attempt = attempt;
        answer.position = position;
        // Questions come back after 300 answers, so both kinds of identity lookup run.
        answer.identity = QByteArray::number(position % 300);
        answer.right = position % 3 != 0;
        answer.answered = QDateTime::currentDateTimeUtc();
        if (!record.add_answer(answer)) {
            std::fprintf(stderr, "%s\n", qPrintable(record.fault()));
            return 3;
        }
        std::printf("%d\n", position);
        std::fflush(stdout);
    }
    record.end_attempt(attempt, QuizEnd::Finished, QDateTime::currentDateTimeUtc());
    return 0;
}
