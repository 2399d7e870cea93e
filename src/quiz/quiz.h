#pragma once

#include "quiz/quiz_options.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"

#include <QString>

#include <cstdint>
#include <vector>

class QuestionBank;
class RandomSource;

// One graded question, as it was shown and answered.
struct GradedQuestion {
    std::int16_t position = 0; // place in the quiz, from 1
    std::int16_t qid = 0;      // the bank record
    ChoiceOrder order{};       // entry i: the stored choice shown at position i
    ChoiceFlags pressed{};     // by display position
    QString typed;             // a typed-answer question's reply, as typed
    std::int16_t answer_status = 0;

    bool right() const { return answer_status == answer_right; }
};

// The decisions of a running quiz: which records it asks and in what order, how a reply grades,
// and what was answered. It keeps its counts in the program's QuizState and reads QuizOptions;
// the question window reads widgets, calls it and writes widgets.
class Quiz {
public:
    Quiz(QuizState& state, QuizOptions& options, RandomSource& random,
         const QuestionBank& questions);

    // Quiz quiz_choice of questions_per_quiz questions, in order or shuffled.
    void start();
    // A quiz of exactly these records of the current quiz, with the same options.
    void start_retake(const std::vector<std::int16_t>& qids);

    // Moves to the next position and sets current_record up with its choices in display order;
    // false once past the end.
    bool next_question();
    // Grades the question on screen, counts it and keeps it: a typed-answer question by the
    // typed text, any other by the pressed display positions.
    std::int16_t grade(const ChoiceFlags& pressed, const QString& typed);
    // Whether the options ask for the feedback window after the last grading.
    bool feedback_wanted() const;
    // The question on screen stays ungraded; the next next_question ends the quiz.
    void quit();
    // Sets current_question to the number of questions graded, the total the summary gives.
    void finish();

    int length() const { return length_; }
    const std::vector<GradedQuestion>& graded() const { return graded_; }
    // The records answered wrong, in the order they were asked.
    std::vector<std::int16_t> missed() const;
    // The order in which the choices of the question on screen are shown.
    const ChoiceOrder& shown_order() const { return shown_order_; }

private:
    void begin(int length);

    QuizState& state_;
    QuizOptions& options_;
    RandomSource& random_;
    const QuestionBank& bank_;
    int length_ = 0;
    ChoiceOrder shown_order_{};
    std::vector<GradedQuestion> graded_;
};

extern Quiz running_quiz;
