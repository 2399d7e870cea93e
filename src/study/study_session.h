#pragma once

#include "quiz/attempt.h"
#include "study/progress.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QuestionBank;
class RandomSource;

// What the Progress window shows for the bank in use.
struct ProgressFigures {
    QString heading;                  // "Orlin Quiz 1.3: 3 attempts, 61 answers, 12 due today"
    std::vector<AttemptRow> attempts; // every bank's, newest first
    std::vector<ChapterRow> chapters; // weakest first
    std::vector<ChapterSeries> series;
    int due = 0;    // questions due today or earlier
    int retake = 0; // questions the last attempt on this bank left not right
};

// Study mode across runs: the progress record that keeps each quiz as it runs, and what is drawn
// from it for the bank in use. Without a record it keeps nothing and shows nothing.
class StudySession : public QuizWatcher {
public:
    explicit StudySession(const QuestionBank& questions);
    ~StudySession() override;

    // Opens the record at the path; the sentence that says why not, or empty.
    QString open(const QString& path);
    // Closes the record; a database must be closed while the application still runs.
    void close();
    // Once, the sentence that says why recording stopped; empty otherwise.
    QString take_fault();

    void started(const Attempt& attempt) override;
    void graded(const Attempt& attempt, const GradedQuestion& question) override;
    void ended(const Attempt& attempt) override;

    ProgressFigures figures(QDate today) const;
    // A past attempt of the bank in use as its review shows it, its questions as records of the
    // bank; none for another bank's attempt, or when the bank no longer holds any of them.
    std::optional<Attempt> attempt(qint64 id) const;

    // The questions of new quizzes, as records of the bank in use.
    std::vector<std::int16_t> practice(const std::vector<QString>& chapters, int count,
                                       RandomSource& random) const;
    std::vector<std::int16_t> due(QDate today, int count) const;
    // The last attempt on this bank: its kind ("Quiz #2") and every question of it not answered
    // right.
    struct Retake {
        QString of;
        std::vector<std::int16_t> records;
    };
    Retake retake_last() const;

private:
    const AttemptSummary* last_attempt(const RecordHistory& history) const;

    const QuestionBank& bank_;
    std::unique_ptr<ProgressRecord> record_;
    qint64 running_ = 0;
    bool fault_told_ = false;
    std::vector<QByteArray> identities_; // of the running quiz's bank, by record number
};
