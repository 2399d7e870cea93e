#pragma once

#include "study/progress_record.h"
#include "study/scheduler.h"

#include <QHash>

#include <vector>

class QuestionBank;
class RandomSource;

// A row of the attempts list, newest first like the attempts it comes from.
struct AttemptRow {
    qint64 id = 0;
    QString when; // the start, local time: "2025-03-02 18:40"
    QString quiz; // the bank's title and the kind of quiz: "Router basics, Quiz 2"
    int right = 0;
    int answered = 0;
    int percent = 0;   // percent_right(right, answered)
    QString time_used; // minutes and seconds: "32:05", "75:00"
    QString ending;    // "quit", "time up", "unfinished", or empty for a finished quiz
};

std::vector<AttemptRow> attempt_rows(const std::vector<AttemptSummary>& attempts);

// What the record says of one question of the current bank.
struct QuestionProgress {
    int answers = 0;
    int right_in_a_row = 0; // at the end of its answers
    ReviewState review;
};

// The record set against the current bank, worked out once for the figures below. Questions are
// matched by identity, so answers to questions the bank no longer holds (or another bank's)
// count nowhere here.
struct BankProgress {
    // The bank's chapters (or topics) as the Review orders them: chapters in the book's order,
    // topics as the bank first names them, "Other" last.
    std::vector<QString> groups;
    std::vector<int> group_of_record; // by record number: an index into groups
    QHash<QByteArray, int> record_of_identity;
    std::vector<int> record_of_question; // by RecordHistory::identities index; 0: not in the bank
    std::vector<QuestionProgress> questions; // by record number
};

BankProgress bank_progress(const QuestionBank& questions, const RecordHistory& history);

// A chapter's score counts its last answers only, so that it follows the student's progress.
inline constexpr int recent_answers = 20;

struct ChapterRow {
    QString name;
    int right = 0; // of the chapter's last recent_answers answers
    int asked = 0;
    int percent = 0;
    int questions = 0; // in the current bank
    int never_seen = 0;
    int due = 0;         // due today or earlier
    int right_twice = 0; // answered right the last two times
};

// Every chapter of the bank, weakest first: by percent, ties in the groups' order; chapters with
// nothing answered come last.
std::vector<ChapterRow> chapter_rows(const BankProgress& progress, const RecordHistory& history,
                                     QDate today);

struct PlotPoint {
    QDateTime started; // UTC
    int right = 0;
    int asked = 0;
    int percent = 0;
};

// A chapter's score in each attempt that asked it, oldest first.
struct ChapterSeries {
    QString name;
    std::vector<PlotPoint> points;
};

// A series for each chapter answered, in the groups' order.
std::vector<ChapterSeries> chapter_series(const BankProgress& progress,
                                          const RecordHistory& history);

// Up to `count` records of the chosen chapters: the never seen and the last answered wrong
// first, then the rest, each part in random order.
std::vector<int> practice_list(const BankProgress& progress, const std::vector<QString>& chapters,
                               int count, RandomSource& random);

// The records due today or earlier, most overdue first (ties by record number), up to `limit`.
std::vector<int> due_list(const BankProgress& progress, QDate today, int limit);

// Every question of the attempt not answered right, asked or not, in the attempt's order, as
// records of the current bank. Give it the bank's last attempt and that attempt's answers.
std::vector<int> retake_list(const BankProgress& progress, const AttemptStart& attempt,
                             const std::vector<RecordedAnswer>& answers);
