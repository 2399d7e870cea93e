#pragma once

#include "bank/question_record.h"

#include <array>
#include <cstdint>

// The running quiz as the question window shows it; the quiz (Quiz) writes it.
struct QuizState {
    std::int16_t questions_per_quiz = 0;
    std::array<std::int16_t, 201> question_order{}; // entry 0 unused; places in the quiz's list
    std::int16_t quiz_number = 0;
    std::int16_t current_question = 0;
    std::int16_t right_count = 0;
    std::int16_t answer_status = 0;
    std::int16_t current_qid = 0;
    std::int16_t choice_count = 0;
    QuestionRecord current_record;
};
