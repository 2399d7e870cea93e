#pragma once

#include <cstdint>

// How the quiz runs, recorded when it starts; 1 is on, 0 off.
struct QuizOptions {
    std::int16_t quiz_choice = 0;
    std::int16_t show_when_right = 0;
    std::int16_t show_when_wrong = 0;
    std::int16_t shuffle_answers = 0;
    std::int16_t shuffle_questions = 0;
};

extern QuizOptions quiz_options;
