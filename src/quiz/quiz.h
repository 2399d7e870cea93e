#pragma once

#include "quiz/attempt.h"
#include "quiz/exam_clock.h"
#include "quiz/quiz_plan.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"

#include <QString>

#include <cstdint>

class QuestionBank;
class RandomSource;

// The running quiz: which records it asks and in what order, the question on screen, how a reply
// grades, what was answered, and its clock. It alone writes its state; the windows read it
// through the views and act through the operations.
class Quiz {
public:
    Quiz(RandomSource& random, const QuestionBank& questions);

    // The bank was loaded: the four built-in quizzes take a quarter of it each.
    void bank_loaded();
    // Tells the watcher, when there is one, of every start, grading and end from now on.
    void watch(QuizWatcher* watcher) { watcher_ = watcher; }
    // Starts the plan: its order, shuffled if asked, no question on screen yet, the clock running.
    void start(QuizPlan plan);
    // Puts the next question on screen with its choices in display order; false once the quiz is
    // over: past its end, after a quit, or out of time.
    bool next_question();
    // Grades the question on screen, counts it and keeps it: a typed-answer question by the typed
    // text, any other by the pressed display positions.
    std::int16_t grade(const ChoiceFlags& pressed, const QString& typed);
    // The question on screen stays ungraded; the quiz is over.
    void quit();
    // Time ran out with this reply on screen: a reply marked counts, an untouched one does not.
    void time_up(const ChoiceFlags& pressed, const QString& typed);

    const QuizState& state() const { return state_; }
    const QuizOptions& options() const { return attempt_.plan.options; }
    const Attempt& attempt() const { return attempt_; }
    int length() const { return static_cast<int>(attempt_.plan.records.size()); }
    // The display positions that show a choice to press; none for a typed answer.
    const ChoiceFlags& visible_choices() const { return visible_; }
    // The order in which the choices of the question on screen are shown.
    const ChoiceOrder& shown_order() const { return shown_order_; }
    // Whether the options ask for the feedback window after the last grading.
    bool feedback_wanted() const;
    // The feedback window's text for the last grading.
    QString feedback() const;

    bool timed() const { return attempt_.plan.time_limit > 0; }
    int seconds_left() const { return clock_.seconds_left(); }
    bool out_of_time() const { return timed() && clock_.seconds_left() == 0; }

private:
    void end(QuizEnd how);

    RandomSource& random_;
    const QuestionBank& bank_;
    QuizState state_;
    Attempt attempt_;
    ChoiceOrder shown_order_{};
    ChoiceFlags visible_{};
    bool on_screen_graded_ = true;
    std::int64_t shown_at_ms_ = 0;
    ExamClock clock_;
    QuizWatcher* watcher_ = nullptr;
};

// The one running quiz, and read-only views of its state and options.
extern Quiz running_quiz;
extern const QuizState& quiz_state;
extern const QuizOptions& quiz_options;
