#pragma once

#include "bank/question_record.h"

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
};

// The content, or the one sentence that says why the file cannot be used.
struct BankFileRead {
    std::optional<BankContent> content;
    QString refusal;
};

inline constexpr qint64 max_bank_file_size = qint64{16} * 1024 * 1024;

// Reads and checks a bank file in the form bank_json writes. Texts get CR LF line breaks;
// relative diagram and exhibit paths are taken from the folder that holds the file.
BankFileRead read_bank_file(const QString& path);

// Records 1 to question_count of the bank and its three facts, as indented JSON.
QByteArray bank_json(const QuestionBank& source);
