#include "bank/bank_file.h"

#include "bank/aiken_file.h"
#include "bank/gift_file.h"
#include "bank/question_bank.h"
#include "bank/xml_file.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>

namespace {

// A fault that leaves nothing more to check: the end of the sentence that names the file.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason)
{
    throw Refusal{reason};
}

QString with_crlf(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// The bank file's folder, as the program names it and as the file system resolves it.
struct BankFolder {
    QString given;
    QString resolved;
};

// Whether `path`, taken from the folder, names a place inside it, resolved part by part as the
// file system resolves it: a link is followed before a `..` after it applies. A part that does
// not exist yet cannot be a link and is kept as written.
bool stays_inside(const BankFolder& folder, const QString& path)
{
    QString place = folder.resolved;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            place = QFileInfo(place).path();
        else if (part != QLatin1String("."))
            place = QDir::cleanPath(place + QLatin1Char('/') + part);
        if (const QString real = QFileInfo(place).canonicalFilePath(); !real.isEmpty())
            place = real;
    }
    return place == folder.resolved || place.startsWith(folder.resolved + QLatin1Char('/'));
}

// Reads one record's fields and notes every fault it finds; a faulty field reads as missing.
class RecordReader {
public:
    RecordReader(const QJsonObject& object, int number, const BankFolder& folder,
                 BankProblems& problems)
        : object_(object),
          where_(QStringLiteral("record %1").arg(number)),
          folder_(folder),
          problems_(problems)
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
                note(QStringLiteral("%1 has an unknown field \"%2\"").arg(where_, key));
        }
        const QJsonValue given = object.value(QLatin1String("number"));
        if (!given.isUndefined() && !given.isDouble())
            note(QStringLiteral("in %1, number is not a number").arg(where_));
        else if (!given.isUndefined() && given.toDouble() != number)
            note(QStringLiteral("%1 is numbered %2").arg(where_).arg(given.toDouble()));
    }

    QuestionRecord read() const
    {
        QuestionRecord record;
        record.question_text = with_crlf(text("question_text"));
        record.explanation = with_crlf(text("explanation"));
        record.question_type = text("question_type", QStringLiteral("single_answer"));
        const QString type = record.question_type.toLower();
        if (type != QLatin1String("single_answer") && type != QLatin1String("fill_in"))
            note(QStringLiteral("in %1, question_type \"%2\" is neither \"single_answer\" nor "
                                "\"fill_in\"")
                     .arg(where_, record.question_type));
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
            record.diagram_file[i] =
                side_file(entry_text(diagrams, "diagram_file", i), "diagram_file", i);
            record.exhibit_file[i] =
                side_file(entry_text(exhibits, "exhibit_file", i), "exhibit_file", i);
        }
        check_record(record, where_, problems_);
        return record;
    }

private:
    void note(const QString& problem) const { problems_.push_back(problem); }

    QString text(const char* field, const QString& missing = {}) const
    {
        const QJsonValue value = object_.value(QLatin1String(field));
        if (value.isUndefined())
            return missing;
        if (!value.isString()) {
            note(QStringLiteral("in %1, %2 is not a text").arg(where_, QLatin1String(field)));
            return missing;
        }
        return value.toString();
    }

    // A missing list gives as many blank or zero entries.
    QJsonArray list(const char* field, qsizetype size) const
    {
        const QJsonValue value = object_.value(QLatin1String(field));
        if (value.isUndefined())
            return {};
        if (!value.isArray()) {
            note(QStringLiteral("in %1, %2 is not a list").arg(where_, QLatin1String(field)));
            return {};
        }
        if (value.toArray().size() != size) {
            note(QStringLiteral("in %1, %2 has %3 entries instead of %4")
                     .arg(where_, QLatin1String(field))
                     .arg(value.toArray().size())
                     .arg(size));
            return {};
        }
        return value.toArray();
    }

    QString entry_text(const QJsonArray& list, const char* field, std::size_t i) const
    {
        if (list.isEmpty())
            return {};
        const QJsonValue value = list.at(static_cast<qsizetype>(i - 1));
        if (!value.isString()) {
            note(QStringLiteral("in %1, entry %2 of %3 is not a text")
                     .arg(where_)
                     .arg(i)
                     .arg(QLatin1String(field)));
            return {};
        }
        return value.toString();
    }

    std::int16_t flag(const QJsonArray& flags, std::size_t i) const
    {
        if (flags.isEmpty())
            return 0;
        const QJsonValue value = flags.at(static_cast<qsizetype>(i - 1));
        if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1))
            return static_cast<std::int16_t>(value.toDouble());
        note(QStringLiteral("in %1, the flag of choice %2 in choice_correct is not 0 or 1")
                 .arg(where_, choice_letter(i)));
        return 0;
    }

    // Relative paths name files beside the bank, wherever the program was started from; a bank
    // that may come from anywhere names nothing outside its own folder.
    QString side_file(const QString& path, const char* field, std::size_t i) const
    {
        if (is_blank(path))
            return path;
        const QString entry =
            QStringLiteral("in %1, entry %2 of %3").arg(where_).arg(i).arg(QLatin1String(field));
        if (QDir::isAbsolutePath(path))
            note(QStringLiteral("%1 (\"%2\") is an absolute path; give it from the bank's folder")
                     .arg(entry, path));
        else if (!stays_inside(folder_, path))
            note(QStringLiteral("%1 (\"%2\") leads out of the bank's folder").arg(entry, path));
        return folder_.given + QLatin1Char('/') + path;
    }

    const QJsonObject& object_;
    QString where_;
    const BankFolder& folder_;
    BankProblems& problems_;
};

QByteArray read_text(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(QStringLiteral("there is no such file"));
    if (info.isDir())
        refuse(QStringLiteral("it is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    // Read one byte more than allowed: a special file may not know its size. Qt makes room for
    // all it is asked for at once, so the file is asked for a piece at a time, into room for the
    // size it gives: grown a piece at a time instead, 16 MiB take a tenth of a second to copy.
    QByteArray bytes;
    bytes.reserve(std::min(file.size(), max_bank_file_size) + 1);
    while (bytes.size() <= max_bank_file_size) {
        const QByteArray piece =
            file.read(std::min(qint64{64} * 1024, max_bank_file_size + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    if (bytes.size() > max_bank_file_size)
        refuse(QStringLiteral("it is larger than 16 MiB"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (!QByteArrayView(bytes).isValidUtf8())
        refuse(QStringLiteral("it is not valid UTF-8 text"));
    return bytes;
}

QJsonObject parse_json(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(QStringLiteral("it is not valid JSON (%1 at byte %2)")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!document.isObject())
        refuse(QStringLiteral("it holds no JSON object"));
    return document.object();
}

QString top_text(const QJsonObject& root, const char* field, BankProblems& problems)
{
    const QJsonValue value = root.value(QLatin1String(field));
    if (!value.isUndefined() && !value.isString())
        problems.push_back(QStringLiteral("%1 is not a text").arg(QLatin1String(field)));
    return value.toString();
}

void check_count(int count, const char* what, BankProblems& problems)
{
    if (count > QuestionBank::capacity)
        problems.push_back(QStringLiteral("it holds %1 %2, and a bank holds at most %3")
                               .arg(count)
                               .arg(QLatin1String(what))
                               .arg(QuestionBank::capacity));
    else if (!divides_into_quizzes(count))
        problems.push_back(QStringLiteral("its %1 %2 cannot be divided into four quizzes of 1 to "
                                          "%3 questions each")
                               .arg(count)
                               .arg(QLatin1String(what))
                               .arg(max_quiz_length));
}

BankContent read_json(const QByteArray& bytes, const BankFolder& folder, BankProblems& problems)
{
    const QJsonObject root = parse_json(bytes);
    for (const QString& key : root.keys()) {
        if (key != QLatin1String("test_title") && key != QLatin1String("author_contact") &&
            key != QLatin1String("question_count") && key != QLatin1String("records"))
            problems.push_back(QStringLiteral("it has an unknown field \"%1\"").arg(key));
    }
    BankContent content;
    content.test_title = top_text(root, "test_title", problems);
    content.author_contact = top_text(root, "author_contact", problems);
    if (!root.value(QLatin1String("records")).isArray())
        refuse(QStringLiteral("it has no list of records"));
    const QJsonArray records = root.value(QLatin1String("records")).toArray();
    const auto count = static_cast<int>(records.size());
    const QJsonValue declared = root.value(QLatin1String("question_count"));
    if (!declared.isUndefined() && declared.toDouble(-1) != count)
        problems.push_back(
            QStringLiteral("its question_count does not match the %1 records it holds").arg(count));
    check_count(count, "records", problems);

    content.records.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        const QJsonValue record = records.at(n - 1);
        if (!record.isObject()) {
            problems.push_back(QStringLiteral("record %1 is not a JSON object").arg(n));
            continue;
        }
        const QJsonObject object = record.toObject();
        content.records.push_back(RecordReader(object, n, folder, problems).read());
    }
    return content;
}

BankContent read_questions(const QString& path, TextQuestions questions, BankProblems& problems)
{
    std::move(questions.problems.begin(), questions.problems.end(), std::back_inserter(problems));
    check_count(questions.question_count, "questions", problems);
    BankContent content;
    content.test_title = QFileInfo(path).completeBaseName();
    content.records = std::move(questions.records);
    return content;
}

// JSON opens an object, or a list (which is refused as such); a GIFT text may open with a
// format marker such as [html], never with a brace.
bool starts_json(const QByteArray& bytes)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const auto first = std::find_if_not(bytes.begin(), bytes.end(), blank);
    if (first == bytes.end() || *first == '{')
        return first != bytes.end();
    const auto second = std::find_if_not(first + 1, bytes.end(), blank);
    return *first == '[' &&
           (second == bytes.end() || !std::isalpha(static_cast<unsigned char>(*second)));
}

template <std::size_t N>
QJsonArray from_one(const std::array<QString, N>& texts)
{
    QJsonArray array;
    for (std::size_t i = 1; i < N; ++i)
        array.append(texts[i]);
    return array;
}

// A side file's path as the bank file gave it.
template <std::size_t N>
QJsonArray as_given(std::array<QString, N> paths, const QString& folder)
{
    const QString prefix = folder + QLatin1Char('/');
    for (QString& path : paths) {
        if (!folder.isEmpty() && path.startsWith(prefix))
            path.remove(0, prefix.size());
    }
    return from_one(paths);
}

QJsonObject to_json(int number, const QuestionRecord& record, const QString& folder)
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
        {"diagram_file", as_given(record.diagram_file, folder)},
        {"exhibit_file", as_given(record.exhibit_file, folder)},
        {"clue", record.clue},
        {"answer_note", record.answer_note},
    };
    if (!is_blank(record.topic))
        object.insert(QLatin1String("topic"), record.topic);
    return object;
}

} // namespace

BankFileCheck check_bank_file(const QString& path)
{
    BankFileCheck check;
    try {
        const QByteArray bytes = read_text(path);
        check.text_read = true;
        const QFileInfo info(path);
        const BankFolder folder{info.absolutePath(), info.absoluteDir().canonicalPath()};
        BankContent content;
        if (starts_json(bytes)) {
            content = read_json(bytes, folder, check.problems);
            content.side_file_folder = folder.given;
        } else if (looks_like_xml(bytes)) {
            XmlQuestions xml = read_xml(bytes);
            if (!xml.fault.isEmpty())
                refuse(xml.fault);
            content = read_questions(path, std::move(xml.questions), check.problems);
        } else {
            const QString text = QString::fromUtf8(bytes);
            content = read_questions(
                path, looks_like_aiken(text) ? read_aiken(text) : read_gift(text), check.problems);
        }
        if (check.problems.empty())
            check.content = std::move(content);
    } catch (const Refusal& refusal) {
        check.problems.push_back(refusal.reason);
    }
    return check;
}

BankFileRead read_bank_file(const QString& path)
{
    BankFileCheck check = check_bank_file(path);
    if (check.content)
        return {std::move(check.content), {}};
    QString refusal = QStringLiteral("The question bank %1 cannot be used: %2.")
                          .arg(path, check.problems.front());
    if (check.text_read && check.problems.size() == 1)
        refusal += QStringLiteral(" It is the only problem orlin-quiz --check finds.");
    else if (check.text_read)
        refusal += QStringLiteral(" orlin-quiz --check %1 lists all %2 problems.")
                       .arg(path)
                       .arg(check.problems.size());
    return {std::nullopt, refusal};
}

QByteArray bank_json(const QuestionBank& source)
{
    QJsonArray records;
    for (int n = 1; n <= source.question_count; ++n)
        records.append(to_json(n, source.record(n), source.side_file_folder));
    const QJsonObject root{
        {"test_title", source.test_title},
        {"author_contact", source.author_contact},
        {"question_count", source.question_count},
        {"records", records},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
