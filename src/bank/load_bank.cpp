#include "bank/content.h"
#include "bank/question_bank.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr auto title = "Orlin Quiz 1.3";
constexpr auto contact = "quizdesk@orlin.example";
constexpr auto crlf = "\r\n";

template <std::size_t N>
QString join_lines(const std::array<const char*, N>& lines)
{
    QString text;
    for (std::size_t i = 0; i < N && lines[i]; ++i) {
        if (i > 0)
            text += QLatin1String(crlf);
        text += QString::fromUtf8(lines[i]);
    }
    return text;
}

void fill(QuestionRecord& record, const ContentEntry& entry)
{
    record.question_text = join_lines(entry.question);
    record.explanation = join_lines(entry.explanation);
    record.clue = QString();
    record.answer_note = QString();
    record.topic = QString();
    record.question_type = QStringLiteral("single_answer");
    for (int i = 1; i <= 6; ++i) {
        const char* choice = entry.choices[static_cast<std::size_t>(i - 1)];
        const char letter = static_cast<char>('A' + i - 1);
        const bool correct = choice && std::strchr(entry.correct, letter) != nullptr;
        record.choice_correct[static_cast<std::size_t>(i)] = correct ? 1 : 0;
        record.choice_text[static_cast<std::size_t>(i)] =
            choice ? QString::fromUtf8(choice) : QString();
    }
    for (int i = 1; i <= 3; ++i) {
        record.diagram_file[static_cast<std::size_t>(i)] = QString();
        record.exhibit_file[static_cast<std::size_t>(i)] = QString();
    }
}

std::optional<BankContent> chosen;

// Records above the count are blank, also those a bank loaded before had filled.
void set_question_count(int count)
{
    for (int n = count + 1; n <= bank.question_count; ++n)
        bank.record(n) = QuestionRecord{};
    bank.question_count = static_cast<std::int16_t>(count);
}

void load_from(const BankContent& content)
{
    bank.test_title = content.test_title;
    const int count = static_cast<int>(content.records.size());
    for (int n = 1; n <= count; ++n)
        bank.record(n) = content.records[static_cast<std::size_t>(n - 1)];
    bank.author_contact = content.author_contact;
    bank.side_file_folder = content.side_file_folder;
    bank.built_in = false;
    set_question_count(count);
}

} // namespace

void use_bank_content(std::optional<BankContent> content)
{
    chosen = std::move(content);
}

void load_bank()
{
    if (chosen) {
        load_from(*chosen);
        return;
    }
    const std::array quizzes{quiz_1_content(), quiz_2_content(), quiz_3_content(),
                             quiz_4_content()};
    // The quizzes interleave, so only as many rows as the shortest quiz has make whole records.
    std::size_t rows = quizzes[0].size();
    for (const auto& quiz : quizzes)
        rows = std::min(rows, quiz.size());

    bank.test_title = QString::fromLatin1(title);
    const int count = static_cast<int>(rows * quizzes.size());
    for (int n = 1; n <= count; ++n) {
        const auto quiz = static_cast<std::size_t>((n - 1) % 4);
        const auto row = static_cast<std::size_t>((n - 1) / 4);
        fill(bank.record(n), quizzes[quiz][row]);
    }
    bank.author_contact = QString::fromLatin1(contact);
    bank.side_file_folder.clear();
    bank.built_in = true;
    set_question_count(count);
}
