#pragma once

#include "quiz/attempt.h"
#include "quiz/quiz_rules.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSqlDatabase;
class QSqlError;

// A quiz as it starts.
struct AttemptStart {
    QDateTime started;     // UTC
    QString bank_identity; // bank_identity() of the bank it asks from
    QString bank_title;
    QString kind;                       // "Quiz 1" to "Quiz 4", "Retake", "Practice", "Due"
    std::vector<int> records;           // the bank record numbers, in the order asked
    std::vector<QByteArray> identities; // question_identity() of each, in the same order
    bool show_when_right = false;
    bool show_when_wrong = false;
    bool shuffle_questions = false;
    bool shuffle_answers = false;
    int minutes = 0; // the time limit; 0: none
};

// One graded question: enough to show it again in a review.
struct RecordedAnswer {
    qint64 attempt = 0;
    int position = 0;      // in the attempt's list, from 1
    int record_number = 0; // the bank record as the attempt numbered it
    QByteArray identity;
    ChoiceOrder order{};   // entry i: the stored choice shown at display position i
    ChoiceFlags pressed{}; // by display position
    QString typed;
    bool right = false;
    int seconds = 0;    // spent on the question
    QDateTime answered; // UTC
};

// An attempt and its figures; the lists of `attempt` are left empty (attempt(id) has them).
struct AttemptSummary {
    qint64 id = 0;
    AttemptStart attempt;
    QDateTime ended;                // UTC; invalid while unfinished
    QuizEnd end = QuizEnd::Running; // also one that never ended: the program was killed
    int answered = 0;
    int right = 0;
    // From the start to the end, or to the last answer of an unfinished attempt.
    qint64 seconds_used = 0;
};

// An answer reduced to what the progress figures need.
struct AnswerFact {
    qint64 attempt = 0;
    int question = 0; // index into RecordHistory::identities
    bool right = false;
    qint64 answered = 0; // seconds since 1970, UTC
};

// The whole record, read in one pass over its answers.
struct RecordHistory {
    std::vector<AttemptSummary> attempts; // newest first
    std::vector<QByteArray> identities;   // each question the record holds, once
    std::vector<AnswerFact> answers;      // oldest first
};

class ProgressRecord;

struct RecordOpening {
    std::unique_ptr<ProgressRecord> record; // null when refused
    // Why not, in one sentence naming the file and saying that it is kept: the quiz then runs
    // without recording.
    QString refusal;
};

// Opens the record, creating it and its folder when missing, and brings an older layout up to
// date. A file that is not this program's record, is damaged or comes from a newer version is
// refused without a byte of it written.
RecordOpening open_progress_record(const QString& path);

// Study mode's record of attempts and answers across runs: an SQLite database, written one
// answer per transaction, so a kill at any moment loses at most the answer being written. Two
// programs may record into one file at once. Once a write fails, recording stops for good and
// fault() says why; reads go on where they can.
class ProgressRecord {
public:
    ~ProgressRecord();
    ProgressRecord(const ProgressRecord&) = delete;
    ProgressRecord& operator=(const ProgressRecord&) = delete;

    bool recording() const { return fault_.isEmpty(); }
    // One sentence naming the file, once recording has stopped; empty before.
    QString fault() const { return fault_; }

    // The new attempt's id; 0 when recording has stopped.
    qint64 begin_attempt(const AttemptStart& start);
    // Commits the answer before returning; false when recording has stopped.
    bool add_answer(const RecordedAnswer& answer);
    bool end_attempt(qint64 attempt, QuizEnd end, const QDateTime& ended);

    RecordHistory history() const;
    // The attempt with its lists; an id of no attempt gives an empty one.
    AttemptStart attempt(qint64 id) const;
    QuizEnd ending(qint64 id) const;
    // In the order asked.
    std::vector<RecordedAnswer> answers(qint64 attempt) const;

private:
    friend RecordOpening open_progress_record(const QString& path);
    ProgressRecord(QString path, QString connection);

    // Runs the steps in one transaction; a failure rolls it back and stops recording.
    bool write(const std::function<QSqlError(QSqlDatabase&)>& steps);

    QString path_;
    QString connection_;
    QString fault_;
};

// progress.sqlite3 in the application's data folder (the application name must be set first).
QString default_record_path();
