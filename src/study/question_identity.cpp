#include "study/question_identity.h"

#include "bank/question_bank.h"
#include "bank/question_record.h"

#include <QCryptographicHash>

namespace {

void add_text(QCryptographicHash& hash, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<quint32>(bytes.size());
    const char length[4] = {static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                            static_cast<char>(size >> 8), static_cast<char>(size)};
    hash.addData(QByteArrayView(length, 4));
    hash.addData(bytes);
}

} // namespace

QString bank_identity(const QuestionBank& questions)
{
    return (questions.built_in ? QStringLiteral("built-in: ") : QStringLiteral("file: ")) +
           questions.test_title;
}

QByteArray question_identity(const QString& bank_id, const QuestionRecord& record)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    add_text(hash, bank_id);
    // The type's spelling varies ("FILL_IN", "fill_in"); only what it means counts.
    add_text(hash, is_typed_answer(record.question_type) ? QStringLiteral("fill_in")
                                                         : QStringLiteral("single_answer"));
    add_text(hash, record.question_text);
    for (std::size_t i = 1; i <= 6; ++i)
        add_text(hash, record.choice_text[i]);
    char flags[6];
    for (std::size_t i = 1; i <= 6; ++i)
        flags[i - 1] = static_cast<char>(record.choice_correct[i]);
    hash.addData(QByteArrayView(flags, 6));
    return hash.result();
}

std::vector<QByteArray> bank_identities(const QuestionBank& questions)
{
    const QString bank_id = bank_identity(questions);
    std::vector<QByteArray> identities(static_cast<std::size_t>(questions.question_count) + 1);
    for (int n = 1; n <= questions.question_count; ++n)
        identities[static_cast<std::size_t>(n)] = question_identity(bank_id, questions.record(n));
    return identities;
}
