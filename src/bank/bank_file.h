#pragma once

#include "bank/question_record.h"
#include "bank/record_check.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QuestionBank;

// A question bank as a file gives it, checked whole: records 1 to N in order.
struct BankContent {
    QString test_title;
    QString author_contact;
    std::vector<QuestionRecord> records;
    // The folder put before each relative diagram and exhibit path; bank_json takes it off again.
    QString side_file_folder;
};

// Every problem of a bank file, and its content when there is none.
struct BankFileCheck {
    std::optional<BankContent> content;
    BankProblems problems;
    // Whether the file could be read as text at all: only then can there be more than one problem.
    bool text_read = false;
};

// The content, or the one sentence that says why the file cannot be used.
struct BankFileRead {
    std::optional<BankContent> content;
    QString refusal;
};

inline constexpr qint64 max_bank_file_size = qint64{16} * 1024 * 1024;

// Reads and checks a bank file: JSON in the form bank_json writes, Moodle XML, GIFT or Aiken, told
// apart by their text. Texts get CR LF line breaks; relative diagram and exhibit paths are taken
// from the folder that holds the file and must stay inside it.
BankFileCheck check_bank_file(const QString& path);
// The same for a file's bytes, as if read from `path`, which gives the folder and the title.
BankFileCheck check_bank_bytes(QByteArray bytes, const QString& path);
// The same, refused at the first problem.
BankFileRead read_bank_file(const QString& path);

// Records 1 to question_count of the bank and its three facts, as indented JSON.
QByteArray bank_json(const QuestionBank& source);
