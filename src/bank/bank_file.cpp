#include "bank/bank_file.h"

#include "bank/aiken_file.h"
#include "bank/gift_file.h"
#include "bank/json_spans.h"
#include "bank/question_bank.h"
#include "bank/side_file.h"
#include "bank/text_lines.h"
#include "bank/xml_file.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <utility>

namespace {

// The longest path Linux opens (PATH_MAX).
constexpr int max_path_length = 4096;

// A fault that leaves nothing more to check: the end of the sentence that names the file.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason)
{
    throw Refusal{reason};
}

// An object's members under the names a reader knows, and how many others it has.
template <std::size_t N>
struct Members {
    std::array<std::optional<JsonSpan>, N> known;
    qsizetype unknown = 0;
    QString first_unknown;
};

template <std::size_t N>
Members<N> members_of(QByteArrayView json, JsonSpan object, const std::array<const char*, N>& names)
{
    Members<N> members;
    for_each_member(json, object, [&](JsonSpan name, JsonSpan value) {
        // Most names hold no escape and are told by their bytes, without decoding.
        const QByteArrayView raw = json.sliced(name.begin + 1, name.end - name.begin - 2);
        const QString decoded = raw.contains('\\') ? json_text(json, name) : QString();
        const auto found = std::find_if(names.begin(), names.end(), [&](const char* known) {
            return decoded.isNull() ? raw == QByteArrayView(known)
                                    : decoded == QLatin1String(known);
        });
        if (found != names.end())
            members.known[static_cast<std::size_t>(found - names.begin())] = value;
        else if (members.unknown++ == 0)
            members.first_unknown = json_text(json, name);
    });
    return members;
}

// The unknown fields of an object make one problem, however many there are.
template <std::size_t N>
void note_unknown(const Members<N>& members, const QString& who, BankProblems& problems)
{
    if (members.unknown == 1)
        problems.push_back(
            QStringLiteral("%1 has an unknown field \"%2\"").arg(who, members.first_unknown));
    else if (members.unknown > 1)
        problems.push_back(QStringLiteral("%1 has %2 unknown fields, the first \"%3\"")
                               .arg(who)
                               .arg(members.unknown)
                               .arg(members.first_unknown));
}

enum Field {
    Number,
    QuestionText,
    ChoiceText,
    ChoiceCorrect,
    Explanation,
    QuestionType,
    DiagramFile,
    ExhibitFile,
    Clue,
    AnswerNote,
    Topic
};

constexpr std::array<const char*, 11> record_fields = {
    "number",      "question_text", "choice_text",  "choice_correct",
    "explanation", "question_type", "diagram_file", "exhibit_file",
    "clue",        "answer_note",   "topic"};

// Reads one record's fields and notes every fault it finds; a faulty field reads as missing.
class RecordReader {
public:
    RecordReader(QByteArrayView json, JsonSpan object, int number, const BankFolder& folder,
                 BankProblems& problems)
        : json_(json),
          fields_(members_of(json, object, record_fields)),
          where_(QStringLiteral("record %1").arg(number)),
          folder_(folder),
          problems_(problems)
    {
        note_unknown(fields_, where_, problems);
        const std::optional<JsonSpan> given = fields_.known[Number];
        if (given && json_kind(json_, *given) != JsonKind::Number)
            note(QStringLiteral("in %1, number is not a number").arg(where_));
        else if (given && json_number(json_, *given) != number)
            note(QStringLiteral("%1 is numbered %2").arg(where_).arg(json_number(json_, *given)));
    }

    QuestionRecord read() const
    {
        QuestionRecord record;
        record.question_text = with_crlf(text(QuestionText));
        record.explanation = with_crlf(text(Explanation));
        record.question_type = text(QuestionType, QStringLiteral("single_answer"));
        const QString type = record.question_type.toLower();
        if (type != QLatin1String("single_answer") && type != QLatin1String("fill_in"))
            note(QStringLiteral("in %1, question_type \"%2\" is neither \"single_answer\" nor "
                                "\"fill_in\"")
                     .arg(where_, record.question_type));
        record.clue = with_crlf(text(Clue));
        record.answer_note = with_crlf(text(AnswerNote));
        record.topic = text(Topic);
        const std::vector<JsonSpan> choices = list(ChoiceText, 6);
        const std::vector<JsonSpan> flags = list(ChoiceCorrect, 6);
        for (std::size_t i = 1; i <= 6; ++i) {
            record.choice_text[i] = with_crlf(entry_text(choices, ChoiceText, i));
            record.choice_correct[i] = flag(flags, i);
        }
        const std::vector<JsonSpan> diagrams = list(DiagramFile, 3);
        const std::vector<JsonSpan> exhibits = list(ExhibitFile, 3);
        for (std::size_t i = 1; i <= 3; ++i) {
            record.diagram_file[i] =
                side_file(entry_text(diagrams, DiagramFile, i), DiagramFile, i);
            record.exhibit_file[i] =
                side_file(entry_text(exhibits, ExhibitFile, i), ExhibitFile, i);
        }
        check_record(record, where_, problems_);
        return record;
    }

private:
    void note(const QString& problem) const { problems_.push_back(problem); }

    static QLatin1String name(Field field) { return QLatin1String(record_fields[field]); }

    QString text(Field field, const QString& missing = {}) const
    {
        const std::optional<JsonSpan> value = fields_.known[field];
        if (!value)
            return missing;
        if (json_kind(json_, *value) != JsonKind::Text) {
            note(QStringLiteral("in %1, %2 is not a text").arg(where_, name(field)));
            return missing;
        }
        return json_text(json_, *value);
    }

    // A missing list gives as many blank or zero entries.
    std::vector<JsonSpan> list(Field field, qsizetype size) const
    {
        const std::optional<JsonSpan> value = fields_.known[field];
        if (!value)
            return {};
        if (json_kind(json_, *value) != JsonKind::List) {
            note(QStringLiteral("in %1, %2 is not a list").arg(where_, name(field)));
            return {};
        }
        JsonEntries entries = json_entries(json_, *value, static_cast<std::size_t>(size));
        if (entries.count != size) {
            note(QStringLiteral("in %1, %2 has %3 entries instead of %4")
                     .arg(where_, name(field))
                     .arg(entries.count)
                     .arg(size));
            return {};
        }
        return std::move(entries.kept);
    }

    QString entry_text(const std::vector<JsonSpan>& list, Field field, std::size_t i) const
    {
        if (list.empty())
            return {};
        const JsonSpan value = list[i - 1];
        if (json_kind(json_, value) != JsonKind::Text) {
            note(QStringLiteral("in %1, entry %2 of %3 is not a text")
                     .arg(where_)
                     .arg(i)
                     .arg(name(field)));
            return {};
        }
        return json_text(json_, value);
    }

    std::int16_t flag(const std::vector<JsonSpan>& flags, std::size_t i) const
    {
        if (flags.empty())
            return 0;
        const JsonSpan value = flags[i - 1];
        const bool number = json_kind(json_, value) == JsonKind::Number;
        if (number && (json_number(json_, value) == 0 || json_number(json_, value) == 1))
            return static_cast<std::int16_t>(json_number(json_, value));
        note(QStringLiteral("in %1, the flag of choice %2 in choice_correct is not 0 or 1")
                 .arg(where_, choice_letter(i)));
        return 0;
    }

    // Relative paths name files beside the bank, wherever the program was started from; a bank
    // that may come from anywhere names nothing outside its own folder.
    QString side_file(const QString& path, Field field, std::size_t i) const
    {
        if (is_blank(path))
            return path;
        const QString entry =
            QStringLiteral("in %1, entry %2 of %3").arg(where_).arg(i).arg(name(field));
        // No file can be opened by a longer path; looking one up part by part would take time
        // that grows with the square of its length.
        if (path.size() > max_path_length)
            note(QStringLiteral("%1 is longer than a file's path can be (%2 characters)")
                     .arg(entry)
                     .arg(max_path_length));
        else if (QDir::isAbsolutePath(path))
            note(QStringLiteral("%1 (\"%2\") is an absolute path; give it from the bank's folder")
                     .arg(entry, path));
        else if (const SidePlace place = side_file_place(folder_, path);
                 place == SidePlace::Outside)
            note(QStringLiteral("%1 (\"%2\") leads out of the bank's folder").arg(entry, path));
        else if (place == SidePlace::ThroughBrokenLink)
            note(QStringLiteral("%1 (\"%2\") leads through a link to a missing file")
                     .arg(entry, path));
        return folder_.given + QLatin1Char('/') + path;
    }

    QByteArrayView json_;
    Members<record_fields.size()> fields_;
    QString where_;
    const BankFolder& folder_;
    BankProblems& problems_;
};

// The file's bytes, one more than a bank file may have when it is larger.
QByteArray read_file(const QString& path)
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
    return bytes;
}

QString top_text(QByteArrayView json, std::optional<JsonSpan> value, const char* field,
                 BankProblems& problems)
{
    if (!value)
        return {};
    if (json_kind(json, *value) == JsonKind::Text)
        return json_text(json, *value);
    problems.push_back(QStringLiteral("%1 is not a text").arg(QLatin1String(field)));
    return {};
}

// Readers stop at the first record past the limit, so that a file of millions of records costs
// no more than a usable one.
void check_count(int count, const char* what, BankProblems& problems)
{
    if (count > max_question_count)
        problems.push_back(QStringLiteral("it holds more than %1 %2, the most a bank can hold")
                               .arg(max_question_count)
                               .arg(QLatin1String(what)));
    else if (!divides_into_quizzes(count))
        problems.push_back(QStringLiteral("its %1 %2 cannot be divided into four quizzes of 1 to "
                                          "%3 questions each")
                               .arg(count)
                               .arg(QLatin1String(what))
                               .arg(max_quiz_length));
}

BankContent read_json(QByteArrayView json, const BankFolder& folder, BankProblems& problems)
{
    if (const std::optional<JsonSyntaxError> error = json_syntax_error(json))
        refuse(QStringLiteral("it is not valid JSON (%1 at byte %2)")
                   .arg(error->what)
                   .arg(error->byte));
    const JsonSpan root = json_root(json);
    if (json_kind(json, root) != JsonKind::Object)
        refuse(QStringLiteral("it holds no JSON object"));
    static constexpr std::array<const char*, 4> names = {"test_title", "author_contact",
                                                         "question_count", "records"};
    const Members<names.size()> members = members_of(json, root, names);
    note_unknown(members, QStringLiteral("it"), problems);
    BankContent content;
    content.test_title = top_text(json, members.known[0], names[0], problems);
    content.author_contact = top_text(json, members.known[1], names[1], problems);
    const std::optional<JsonSpan> records = members.known[3];
    if (!records || json_kind(json, *records) != JsonKind::List)
        refuse(QStringLiteral("it has no list of records"));
    const JsonEntries entries = json_entries(json, *records, max_question_count);
    const std::optional<JsonSpan> declared = members.known[2];
    if (declared && (json_kind(json, *declared) != JsonKind::Number ||
                     json_number(json, *declared) != static_cast<double>(entries.count)))
        problems.push_back(
            QStringLiteral("its question_count does not match the %1 records it holds")
                .arg(entries.count));
    check_count(static_cast<int>(std::min<qsizetype>(entries.count, max_question_count + 1)),
                "records", problems);

    content.records.reserve(entries.kept.size());
    for (std::size_t i = 0; i < entries.kept.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (json_kind(json, entries.kept[i]) != JsonKind::Object) {
            problems.push_back(QStringLiteral("record %1 is not a JSON object").arg(number));
            continue;
        }
        content.records.push_back(
            RecordReader(json, entries.kept[i], number, folder, problems).read());
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
    if (!record.topic.isEmpty())
        object.insert(QLatin1String("topic"), record.topic);
    return object;
}

} // namespace

BankFileCheck check_bank_bytes(QByteArray bytes, const QString& path)
{
    BankFileCheck check;
    try {
        if (bytes.size() > max_bank_file_size)
            refuse(QStringLiteral("it is larger than 16 MiB"));
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        if (!QByteArrayView(bytes).isValidUtf8())
            refuse(QStringLiteral("it is not valid UTF-8 text"));
        check.text_read = true;
        BankContent content;
        if (starts_json(bytes)) {
            // Only a JSON bank names side files.
            const QFileInfo info(path);
            const BankFolder folder{info.absolutePath(), info.absoluteDir().canonicalPath()};
            content = read_json(bytes, folder, check.problems);
            content.side_file_folder = folder.given;
        } else if (looks_like_xml(bytes)) {
            XmlQuestions xml = read_xml(bytes);
            if (!xml.fault.isEmpty())
                refuse(xml.fault);
            content = read_questions(path, std::move(xml.questions), check.problems);
        } else {
            // A second byte order mark would be the text's first character, not a mark.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            const QString text = utf8.decode(std::exchange(bytes, {}));
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

BankFileCheck check_bank_file(const QString& path)
{
    try {
        return check_bank_bytes(read_file(path), path);
    } catch (const Refusal& refusal) {
        BankFileCheck check;
        check.problems.push_back(refusal.reason);
        return check;
    }
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
    // Escaped, a text's first U+FEFF survives readers that take it for a byte order mark.
    return QJsonDocument(root).toJson(QJsonDocument::Indented).replace("\xEF\xBB\xBF", "\\ufeff");
}
