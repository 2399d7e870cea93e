#pragma once

#include "bank/record_check.h"

#include <cstdlib>

// A reader keeps a record only when it breaks no rule, and counts every question it keeps.
inline void expect_sound(const TextQuestions& questions)
{
    if (questions.records.size() > static_cast<std::size_t>(questions.question_count))
        std::abort();
    for (const QuestionRecord& record : questions.records) {
        BankProblems problems;
        check_record(record, QStringLiteral("record"), problems);
        if (!problems.empty())
            std::abort();
    }
}
