#pragma once

#include "bank/bank_file.h"
#include "bank/question_record.h"

#include <array>
#include <cstdint>
#include <optional>

// The program's whole content: records 1 to question_count, filled by load_bank.
class QuestionBank {
public:
    // Room for records 0 to capacity: every index a quiz can compute lies in it. A usable bank is
    // smaller (max_question_count).
    static constexpr int capacity = 1000;

    // Indices outside 0..capacity are a programming error and throw std::out_of_range.
    const QuestionRecord& record(int index) const;
    QuestionRecord& record(int index);

    QString test_title;
    std::int16_t question_count = 0;
    QString author_contact;
    // Where a bank file's side files are: the part of each path that --print-bank leaves out.
    QString side_file_folder;
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
// The largest bank a quiz can use: four quizzes of max_quiz_length, and three records left over.
inline constexpr int max_question_count = 4 * max_quiz_length + 3;
// Whether the bank makes four quizzes of 1 to max_quiz_length questions: 4 to max_question_count.
bool divides_into_quizzes(int question_count);

// The content load_bank assigns from then on: a file's, checked whole, or with nothing the
// built-in content.
void use_bank_content(std::optional<BankContent> content);
// Fills records 1 to question_count and the three facts.
void load_bank();
