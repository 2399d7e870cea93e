#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One question. Element 0 of every array exists but is never used: choices, diagrams and
// exhibits are counted from 1, like the controls that show them.
struct QuestionRecord {
    QString question_text;
    std::array<QString, 7> choice_text;
    std::array<std::int16_t, 7> choice_correct{};
    QString explanation;
    QString question_type;
    std::array<QString, 4> diagram_file;
    std::array<QString, 4> exhibit_file;
    QString clue;
    QString answer_note;
    // Where a bank file groups its questions; blank for the built-in records.
    QString topic;

    bool operator==(const QuestionRecord&) const = default;
};

// Removes leading and trailing space characters (code 32) only.
QString trim_spaces(const QString& text);
// Empty once trimmed: a blank choice, clue or path switches its control off.
bool is_blank(const QString& text);
// The letter of choice 1 to 6: A to F.
QString choice_letter(std::size_t choice);
// True when the first four characters of the type code, upper-cased, are "FILL".
bool is_typed_answer(const QString& question_type);
