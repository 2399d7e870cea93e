#pragma once

#include "bank/question_record.h"

#include <QString>
#include <QStringList>

#include <vector>

// What is wrong with a bank file, one entry a fault: each ends the sentence "The question bank
// FILE cannot be used: ...".
using BankProblems = std::vector<QString>;

// The questions a text format gives: a record for each question it could map, and a problem for
// each it could not.
struct TextQuestions {
    std::vector<QuestionRecord> records;
    BankProblems problems;
    int question_count = 0; // the questions the file holds, mapped or not
};

// Fills choice `i` of a record from a text format. An answer's own feedback becomes a line of the
// explanation, named by the choice's text: the letters change when the answers are shuffled.
void add_choice(QuestionRecord& record, QStringList& explanation, std::size_t i,
                const QString& text, bool right, const QString& feedback);
// A category path names its topic last: "$course$/top/Routing" gives "Routing". A doubled slash
// stands for a slash within a name; the name is trimmed only once they are undone, as Moodle
// does, so it may end in a slash.
QString category_name(QStringView path);
// Where a question of a text format starts: "question 3 (line 12)".
QString question_place(int number, int line);
// Keeps the record when it breaks no rule check_record knows; otherwise notes what it breaks.
void add_if_sound(TextQuestions& out, const QuestionRecord& record, const QString& where);

// Notes each rule of a filled record that the quiz relies on and the record breaks; `where`
// names the record ("record 3").
void check_record(const QuestionRecord& record, const QString& where, BankProblems& problems);
