#include "bank/question_bank.h"

#include <cstddef>

#include <algorithm>
#include <cmath>

QuestionBank bank;

std::int16_t questions_per_quiz(int question_count)
{
    // A length above max_quiz_length is left for the quiz start to refuse.
    const double quarter = std::floor(question_count / 4.0);
    return static_cast<std::int16_t>(std::max(quarter, 0.0));
}

bool divides_into_quizzes(int question_count)
{
    const int length = questions_per_quiz(question_count);
    return length >= 1 && length <= max_quiz_length;
}

const QuestionRecord& QuestionBank::record(int index) const
{
    return records_.at(static_cast<std::size_t>(index));
}

QuestionRecord& QuestionBank::record(int index)
{
    return records_.at(static_cast<std::size_t>(index));
}
