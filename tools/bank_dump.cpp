// Prints the built-in question bank as JSON, one object per record, for review outside the program.
#include "bank/question_bank.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

template <std::size_t N>
QJsonArray from_one(const std::array<QString, N>& texts)
{
    QJsonArray array;
    for (std::size_t i = 1; i < N; ++i)
        array.append(texts[i]);
    return array;
}

QJsonObject to_json(int number, const QuestionRecord& record)
{
    QJsonArray correct;
    for (std::size_t i = 1; i < record.choice_correct.size(); ++i)
        correct.append(record.choice_correct[i]);
    return {
        {"number", number},
        {"question_text", record.question_text},
        {"choice_text", from_one(record.choice_text)},
        {"choice_correct", correct},
        {"explanation", record.explanation},
        {"question_type", record.question_type},
        {"diagram_file", from_one(record.diagram_file)},
        {"exhibit_file", from_one(record.exhibit_file)},
        {"clue", record.clue},
        {"answer_note", record.answer_note},
    };
}

} // namespace

int main()
{
    load_bank();
    QJsonArray records;
    for (int n = 1; n <= bank.question_count; ++n)
        records.append(to_json(n, bank.record(n)));
    const QJsonObject root{
        {"test_title", bank.test_title},
        {"author_contact", bank.author_contact},
        {"question_count", bank.question_count},
        {"records", records},
    };
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return 0;
}
