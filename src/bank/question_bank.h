#pragma once

#include "bank/bank_file.h"
#include "bank/question_record.h"

#include <array>
#include <cstdint>
#include <optional>

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
    // The built-in content, whose records fall into the study guide's chapters.
    bool built_in = false;

private:
    std::array<QuestionRecord, capacity + 1> records_;
};

extern QuestionBank bank;

// Quiz k holds records k, k + 4, k + 8, ...: a quarter of the bank, fraction discarded, never
// negative. Its question order holds 200 positions.
std::int16_t questions_per_quiz(int question_count);
inline constexpr int max_quiz_length = 200;
// Whether the bank makes four quizzes of 1 to max_quiz_length questions: 4 to 803 questions.
bool divides_into_quizzes(int question_count);

// The content load_bank assigns from then on: a file's, checked whole, or with nothing the
// built-in content.
void use_bank_content(std::optional<BankContent> content);
// Fills records 1 to question_count and the three facts.
void load_bank();
