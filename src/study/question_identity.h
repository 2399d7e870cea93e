#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class QuestionBank;
struct QuestionRecord;

// Which bank a question comes from: "built-in: " or "file: " and the bank's title. The title is
// what stays when a teacher edits a bank file, so its history carries on; two files of the same
// title count as one bank, and only their questions of identical content share a history.
QString bank_identity(const QuestionBank& questions);

// The SHA-1 (20 bytes) of the bank identity and the content a reply is graded against: whether
// the answer is typed, the question text and the six choice texts, each as its UTF-8 length (4
// bytes, big-endian) and bytes, then the six correct flags a byte each. Explanations, clues,
// topics and side files are left out: mending them does not make another question.
QByteArray question_identity(const QString& bank_id, const QuestionRecord& record);

// The identities of records 1 to question_count, by record number; entry 0 is empty.
std::vector<QByteArray> bank_identities(const QuestionBank& questions);
