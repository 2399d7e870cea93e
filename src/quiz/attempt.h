#pragma once

#include "quiz/quiz_plan.h"
#include "quiz/quiz_rules.h"

#include <QString>

#include <cstdint>
#include <vector>

// One graded question, as it was shown and answered.
struct GradedQuestion {
    std::int16_t position = 0; // place in the quiz, from 1
    std::int16_t qid = 0;      // the bank record
    ChoiceOrder order{};       // entry i: the stored choice shown at position i
    ChoiceFlags pressed{};     // by display position
    QString typed;             // a typed-answer question's reply, as typed
    std::int16_t answer_status = 0;
    int seconds = 0; // from the question's showing to its grading

    bool right() const { return answer_status == answer_right; }
};

enum class QuizEnd { Running, Finished, Quit, TimeUp };

// A quiz as it was asked and answered: what the summary, the review and a retake read.
struct Attempt {
    QuizPlan plan;
    std::vector<GradedQuestion> graded;
    QuizEnd end = QuizEnd::Running;

    int right_count() const;
    // The plan's records not answered right, in the plan's order: the missed ones and, after a
    // quit or when time ran out, those never asked.
    std::vector<std::int16_t> not_yet_right() const;
};

// Told of a quiz's course as it runs, as a progress record keeps it.
class QuizWatcher {
public:
    virtual ~QuizWatcher() = default;
    virtual void started(const Attempt& attempt) = 0;
    virtual void graded(const Attempt& attempt, const GradedQuestion& question) = 0;
    virtual void ended(const Attempt& attempt) = 0;
};

// The end-of-test message.
QString attempt_summary(const Attempt& attempt);

// A quiz of every question the attempt has not yet had right, run as it ran. Its time limit is
// in proportion to its length, so each question keeps the time it had.
QuizPlan retake_plan(const Attempt& attempt);
