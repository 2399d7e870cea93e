#pragma once

#include "bank/question_record.h"

#include <array>
#include <cstdint>

// The program's whole content: records 1 to question_count, filled by load_bank.
class QuestionBank {
public:
    static constexpr int capacity = 1000;

    // Indices outside 0..capacity are a programming error and throw std::out_of_range.
    const QuestionRecord& record(int index) const;
    QuestionRecord& record(int index);

    QString test_title;
    std::int16_t question_count = 0;
    QString author_contact;

private:
    std::array<QuestionRecord, capacity + 1> records_;
};

extern QuestionBank bank;

// Fills records 1 to question_count and the three facts from the built-in content.
void load_bank();
