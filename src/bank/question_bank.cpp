#include "bank/question_bank.h"

#include <cstddef>

QuestionBank bank;

const QuestionRecord& QuestionBank::record(int index) const
{
    return records_.at(static_cast<std::size_t>(index));
}

QuestionRecord& QuestionBank::record(int index)
{
    return records_.at(static_cast<std::size_t>(index));
}
