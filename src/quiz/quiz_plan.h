#pragma once

#include "quiz/quiz_options.h"

#include <QString>

#include <cstdint>
#include <vector>

// A quiz: the bank records it asks, in the order listed, and how it runs.
struct QuizPlan {
    QString name;                      // "Quiz #2"
    int retake = 0;                    // the how-manieth retake of `name`; 0 for the quiz itself
    std::vector<std::int16_t> records; // at most max_quiz_length
    QuizOptions options;
    int time_limit = 0; // seconds; 0: untimed
};

// The built-in quiz the options choose, with a limit of `minutes` (0: none).
QuizPlan built_in_plan(const QuizOptions& options, int length, int minutes);

// "Quiz #2", or "Quiz #2, retake 1".
QString plan_title(const QuizPlan& plan);
