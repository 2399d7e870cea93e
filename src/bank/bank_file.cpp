#include "bank/bank_file.h"

#include "bank/question_bank.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Why the file cannot be used: the end of the sentence that names the file.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason)
{
    throw Refusal{reason};
}

QString letter(std::size_t choice)
{
    return QChar(u'A' + static_cast<int>(choice) - 1);
}

QString with_crlf(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// Checks one record's fields as it reads them; `where` names the record in every refusal.
class RecordReader {
public:
    RecordReader(const QJsonObject& object, int number, QString folder)
        : object_(object),
          where_(QStringLiteral("record %1").arg(number)),
          folder_(std::move(folder))
    {
        static const std::array<QLatin1String, 11> known = {
            QLatin1String("number"),       QLatin1String("question_text"),
            QLatin1String("choice_text"),  QLatin1String("choice_correct"),
            QLatin1String("explanation"),  QLatin1String("question_type"),
            QLatin1String("diagram_file"), QLatin1String("exhibit_file"),
            QLatin1String("clue"),         QLatin1String("answer_note"),
            QLatin1String("topic")};
        for (const QString& key : object.keys()) {
            if (std::find(known.begin(), known.end(), key) == known.end())
                refuse(QStringLiteral("%1 has an unknown field \"%2\"").arg(where_, key));
        }
        const QJsonValue given = object.value(QLatin1String("number"));
        if (!given.isUndefined() && !given.isDouble())
            refuse(QStringLiteral("in %1, number is not a number").arg(where_));
        if (!given.isUndefined() && given.toDouble() != number)
            refuse(QStringLiteral("%1 is numbered %2").arg(where_).arg(given.toDouble()));
    }

    QuestionRecord read() const
    {
        QuestionRecord record;
        record.question_text = with_crlf(text("question_text"));
        record.explanation = with_crlf(text("explanation"));
        record.question_type = text("question_type", QStringLiteral("single_answer"));
        record.clue = with_crlf(text("clue"));
        record.answer_note = with_crlf(text("answer_note"));
        record.topic = text("topic");
        const QJsonArray choices = list("choice_text", 6);
        const QJsonArray flags = list("choice_correct", 6);
        for (std::size_t i = 1; i <= 6; ++i) {
            record.choice_text[i] = with_crlf(entry_text(choices, "choice_text", i));
            record.choice_correct[i] = flag(flags, i);
        }
        const QJsonArray diagrams = list("diagram_file", 3);
        const QJsonArray exhibits = list("exhibit_file", 3);
        for (std::size_t i = 1; i <= 3; ++i) {
            record.diagram_file[i] = side_file(entry_text(diagrams, "diagram_file", i));
            record.exhibit_file[i] = side_file(entry_text(exhibits, "exhibit_file", i));
        }
        check(record);
        return record;
    }

private:
    QString text(const char* field, const QString& missing = {}) const
    {
        const QJsonValue value = object_.value(QLatin1String(field));
        if (value.isUndefined())
            return missing;
        if (!value.isString())
            refuse(QStringLiteral("in %1, %2 is not a text").arg(where_, QLatin1String(field)));
        return value.toString();
    }

    // A missing list gives as many blank or zero entries.
    QJsonArray list(const char* field, qsizetype size) const
    {
        const QJsonValue value = object_.value(QLatin1String(field));
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            refuse(QStringLiteral("in %1, %2 is not a list").arg(where_, QLatin1String(field)));
        if (value.toArray().size() != size)
            refuse(QStringLiteral("in %1, %2 has %3 entries instead of %4")
                       .arg(where_, QLatin1String(field))
                       .arg(value.toArray().size())
                       .arg(size));
        return value.toArray();
    }

    QString entry_text(const QJsonArray& list, const char* field, std::size_t i) const
    {
        if (list.isEmpty())
            return {};
        const QJsonValue value = list.at(static_cast<qsizetype>(i - 1));
        if (!value.isString())
            refuse(QStringLiteral("in %1, entry %2 of %3 is not a text")
                       .arg(where_)
                       .arg(i)
                       .arg(QLatin1String(field)));
        return value.toString();
    }

    std::int16_t flag(const QJsonArray& flags, std::size_t i) const
    {
        if (flags.isEmpty())
            return 0;
        const QJsonValue value = flags.at(static_cast<qsizetype>(i - 1));
        if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1))
            return static_cast<std::int16_t>(value.toDouble());
        refuse(QStringLiteral("in %1, the flag of choice %2 in choice_correct is not 0 or 1")
                   .arg(where_, letter(i)));
    }

    // Relative paths name files beside the bank, wherever the program was started from.
    QString side_file(const QString& path) const
    {
        if (is_blank(path) || path.startsWith(QLatin1Char('/')))
            return path;
        return folder_ + QLatin1Char('/') + path;
    }

    void check(const QuestionRecord& record) const
    {
        std::size_t filled = 0;
        for (std::size_t i = 1; i <= 6; ++i) {
            const bool blank = is_blank(record.choice_text[i]);
            if (!blank && filled + 1 != i)
                refuse(QStringLiteral("in %1, choice %2 is filled but choice %3 before it is "
                                      "blank")
                           .arg(where_, letter(i), letter(filled + 1)));
            if (!blank)
                filled = i;
            if (blank && record.choice_correct[i] == 1)
                refuse(QStringLiteral("in %1, choice %2 is marked correct but is blank")
                           .arg(where_, letter(i)));
        }
        const bool typed = is_typed_answer(record.question_type);
        const bool any_correct = std::count(record.choice_correct.begin() + 1,
                                            record.choice_correct.end(), std::int16_t{1}) > 0;
        if (typed && filled == 0)
            refuse(QStringLiteral("%1 is a typed-answer question with no accepted answer")
                       .arg(where_));
        if (!typed && !any_correct)
            refuse(QStringLiteral("%1 is a multiple-choice question with no correct choice")
                       .arg(where_));
    }

    const QJsonObject& object_;
    QString where_;
    QString folder_;
};

QJsonDocument parse(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(QStringLiteral("there is no such file"));
    if (info.isDir())
        refuse(QStringLiteral("it is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    // Read one byte more than allowed: a special file may not know its size.
    QByteArray bytes = file.read(max_bank_file_size + 1);
    if (file.error() != QFileDevice::NoError)
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > max_bank_file_size)
        refuse(QStringLiteral("it is larger than 16 MiB"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        refuse(QStringLiteral("it is not valid UTF-8 text"));
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(QStringLiteral("it is not valid JSON (%1 at byte %2)")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!document.isObject())
        refuse(QStringLiteral("it holds no JSON object"));
    return document;
}

QString top_text(const QJsonObject& root, const char* field)
{
    const QJsonValue value = root.value(QLatin1String(field));
    if (!value.isUndefined() && !value.isString())
        refuse(QStringLiteral("%1 is not a text").arg(QLatin1String(field)));
    return value.toString();
}

BankContent read_content(const QString& path)
{
    const QJsonObject root = parse(path).object();
    for (const QString& key : root.keys()) {
        if (key != QLatin1String("test_title") && key != QLatin1String("author_contact") &&
            key != QLatin1String("question_count") && key != QLatin1String("records"))
            refuse(QStringLiteral("it has an unknown field \"%1\"").arg(key));
    }
    BankContent content;
    content.test_title = top_text(root, "test_title");
    content.author_contact = top_text(root, "author_contact");
    if (!root.value(QLatin1String("records")).isArray())
        refuse(QStringLiteral("it has no list of records"));
    const QJsonArray records = root.value(QLatin1String("records")).toArray();
    const auto count = static_cast<int>(records.size());
    const QJsonValue declared = root.value(QLatin1String("question_count"));
    if (!declared.isUndefined() && declared.toDouble(-1) != count)
        refuse(
            QStringLiteral("its question_count does not match the %1 records it holds").arg(count));
    if (count > QuestionBank::capacity)
        refuse(QStringLiteral("it holds %1 records, and a bank holds at most %2")
                   .arg(count)
                   .arg(QuestionBank::capacity));
    if (!divides_into_quizzes(count))
        refuse(QStringLiteral("its %1 records cannot be divided into four quizzes of 1 to %2 "
                              "questions each")
                   .arg(count)
                   .arg(max_quiz_length));

    const QString folder = QFileInfo(path).absolutePath();
    content.records.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const QJsonValue record = records.at(n - 1);
        if (!record.isObject())
            refuse(QStringLiteral("record %1 is not a JSON object").arg(n));
        const QJsonObject object = record.toObject();
        content.records.push_back(RecordReader(object, n, folder).read());
    }
    return content;
}

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
    QJsonObject object{
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
    if (!is_blank(record.topic))
        object.insert(QLatin1String("topic"), record.topic);
    return object;
}

} // namespace

BankFileRead read_bank_file(const QString& path)
{
    try {
        return {read_content(path), {}};
    } catch (const Refusal& refusal) {
        return {
            std::nullopt,
            QStringLiteral("The question bank %1 cannot be used: %2.").arg(path, refusal.reason)};
    }
}

QByteArray bank_json(const QuestionBank& source)
{
    QJsonArray records;
    for (int n = 1; n <= source.question_count; ++n)
        records.append(to_json(n, source.record(n)));
    const QJsonObject root{
        {"test_title", source.test_title},
        {"author_contact", source.author_contact},
        {"question_count", source.question_count},
        {"records", records},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
