#include "bank/xml_file.h"

#include "bank/html_text.h"
#include "bank/question_bank.h"

#include <QBuffer>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A question file nests five deep and gives an element three attributes at most. A multiple-choice
// question of six answers, exported with every feedback, three hints and five tags, holds about 60
// elements and 30 attributes.
constexpr int max_depth = 32;
constexpr int max_attributes = 16;
constexpr int max_question_elements = 500;
constexpr int max_question_attributes = 250;
// Moodle writes a text that holds markup as a CDATA section, where a reference such as &amp; is no
// reference; a file that escapes its HTML instead needs a few dozen a question.
constexpr int max_references = 250000;
// More answers than a question can hold are counted, not kept.
constexpr std::size_t kept_answers = 7;

// Qt's reader spends as long on a tag, an attribute or a reference as on ten to twenty bytes of
// text, compares every attribute of an element with every other, and reads a document type
// declaration whole, entities and all, before it reports it. So one pass over the bytes first
// refuses what no export holds, before Qt reads any of it. It follows the XML's comments, CDATA
// sections, processing instructions and quotes, so on well-formed XML it sees the elements Qt will.
// A fault it finds comes with the end of the bytes that show it.
struct MarkupFault {
    QString sentence;
    qsizetype end;
};

class MarkupScan {
public:
    explicit MarkupScan(QByteArrayView xml) : xml_(xml) {}

    std::optional<MarkupFault> fault()
    {
        if (xml_.startsWith("<?xml") && xml_.size() > 5 && is_blank(xml_[5])) {
            const qsizetype end = past(0, "?>");
            const QByteArrayView encoding = declared_encoding(xml_.first(end));
            if (!encoding.isEmpty() && !is_utf8(encoding))
                return MarkupFault{QStringLiteral("its XML declaration names the encoding \"%1\", "
                                                  "where a bank file is UTF-8")
                                       .arg(QString::fromUtf8(encoding)),
                                   end};
        }
        for (qsizetype text = 0, i = xml_.indexOf('<');; text = i, i = xml_.indexOf('<', i)) {
            if (std::optional<MarkupFault> fault = references_in(text, i < 0 ? xml_.size() : i))
                return fault;
            if (i < 0)
                return std::nullopt;
            const QByteArrayView rest = xml_.sliced(i);
            if (rest.startsWith("<!--")) {
                i = past(i + 4, "-->");
            } else if (rest.startsWith("<![CDATA[")) {
                i = past(i + 9, "]]>");
            } else if (rest.startsWith("<!")) {
                return MarkupFault{QStringLiteral("line %1 holds a document type declaration, "
                                                  "which is not read")
                                       .arg(line_at(i)),
                                   i};
            } else if (rest.startsWith("<?")) {
                i = past(i + 2, "?>");
            } else if (rest.startsWith("</")) {
                if (--depth_ < 0)
                    return std::nullopt; // an end without a start, which Qt refuses
                i = past(i + 2, ">");
            } else if (std::optional<MarkupFault> fault = start_tag(i)) {
                return fault;
            }
        }
    }

private:
    // Just past the first `end` from `from`, or the end of the text.
    qsizetype past(qsizetype from, QByteArrayView end) const
    {
        const qsizetype found = xml_.indexOf(end, from);
        return found < 0 ? xml_.size() : found + end.size();
    }

    // Counts the references from `from` to `to`; the fault past the first one too many, if any.
    std::optional<MarkupFault> references_in(qsizetype from, qsizetype to)
    {
        const QByteArrayView text = xml_.sliced(from, to - from);
        for (qsizetype at = text.indexOf('&'); at >= 0; at = text.indexOf('&', at + 1)) {
            if (++references_ > max_references)
                return MarkupFault{QStringLiteral("it holds more than %1 references such as "
                                                  "&amp;, where Moodle writes HTML in CDATA "
                                                  "sections")
                                       .arg(max_references),
                                   from + at + 1};
        }
        return std::nullopt;
    }

    static bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    int line_at(qsizetype at) const
    {
        return static_cast<int>(std::count(xml_.begin(), xml_.begin() + at, '\n')) + 1;
    }

    static QByteArrayView declared_encoding(QByteArrayView declaration)
    {
        const qsizetype name = declaration.indexOf("encoding");
        const qsizetype equals = name < 0 ? -1 : declaration.indexOf('=', name);
        const QByteArrayView value =
            equals < 0 ? QByteArrayView() : declaration.sliced(equals + 1).trimmed();
        const qsizetype close = value.isEmpty() ? -1 : value.indexOf(value[0], 1);
        if (close < 0 || (value[0] != '"' && value[0] != '\''))
            return {};
        return value.sliced(1, close - 1);
    }

    // "UTF-8" however it is spelt: Qt reads "utf8" and "UTF_8" as UTF-8 too.
    static bool is_utf8(QByteArrayView name)
    {
        QByteArray letters = name.toByteArray().toLower();
        letters.removeIf([](char c) { return c == '-' || c == '_'; });
        return letters == "utf8";
    }

    // Reads the tag that starts at `at` and leaves `at` at its end; the fault it holds, if any.
    std::optional<MarkupFault> start_tag(qsizetype& at)
    {
        const qsizetype begin = at;
        qsizetype i = begin + 1;
        while (i < xml_.size() && !is_blank(xml_[i]) && xml_[i] != '/' && xml_[i] != '>')
            ++i;
        const QByteArrayView name = xml_.sliced(begin + 1, i - begin - 1);
        // Not a tag, or a second root: Qt refuses either.
        if (name.isEmpty() || (++depth_ == 1 && root_seen_)) {
            at = xml_.size();
            return std::nullopt;
        }
        root_seen_ = true;
        if (depth_ == 2) {
            question_ = begin;
            question_elements_ = 0;
            question_attributes_ = 0;
        }
        int attributes = 0;
        for (; i < xml_.size() && xml_[i] != '>'; ++i) {
            if (xml_[i] == '"' || xml_[i] == '\'') {
                const qsizetype close = xml_.indexOf(xml_[i], i + 1);
                const qsizetype value = i + 1;
                i = close < 0 ? xml_.size() - 1 : close;
                if (std::optional<MarkupFault> fault = references_in(value, i))
                    return fault;
            } else if (xml_[i] == '=' && ++attributes > max_attributes) {
                return MarkupFault{QStringLiteral("line %1 holds an element with more than %2 "
                                                  "attributes")
                                       .arg(line_at(i))
                                       .arg(max_attributes),
                                   i + 1};
            } else if (xml_[i] == '=' && depth_ >= 2 &&
                       ++question_attributes_ > max_question_attributes) {
                return MarkupFault{QStringLiteral("the question at line %1 holds more than %2 "
                                                  "attributes")
                                       .arg(line_at(question_))
                                       .arg(max_question_attributes),
                                   i + 1};
            }
        }
        const auto fault = [end = std::min(i + 1, xml_.size())](const QString& sentence) {
            return MarkupFault{sentence, end};
        };
        if (depth_ > max_depth)
            return fault(QStringLiteral("line %1 nests elements more than %2 deep")
                             .arg(line_at(begin))
                             .arg(max_depth));
        if (depth_ == 1 && name != "quiz")
            return fault(QStringLiteral("its first element is <%1>, where Moodle XML has <quiz>")
                             .arg(QString::fromUtf8(name)));
        if (depth_ == 2 && name != "question")
            return fault(QStringLiteral("line %1 holds <%2> in <quiz>, which holds only questions")
                             .arg(line_at(begin))
                             .arg(QString::fromUtf8(name)));
        if (depth_ > 2 && ++question_elements_ > max_question_elements)
            return fault(QStringLiteral("the question at line %1 holds more than %2 elements")
                             .arg(line_at(question_))
                             .arg(max_question_elements));
        if (i < xml_.size() && xml_[i - 1] == '/')
            --depth_;
        at = i;
        return std::nullopt;
    }

    QByteArrayView xml_;
    int depth_ = 0;
    bool root_seen_ = false;
    qsizetype question_ = 0; // where the question being read starts
    int question_elements_ = 0;
    int question_attributes_ = 0;
    int references_ = 0;
};

TextFormat format_of(const QXmlStreamAttributes& attributes)
{
    const QStringView name = attributes.value(QLatin1String("format"));
    if (name == u"moodle_auto_format")
        return TextFormat::Moodle;
    if (name == u"plain_text")
        return TextFormat::Plain;
    if (name == u"markdown")
        return TextFormat::Markdown;
    return TextFormat::Html;
}

// Whether an HTML text holds an <img> tag, looked for at each <: a search that ignores case at
// every character, or a call for each <, takes several times as long.
bool has_img(QStringView html)
{
    const auto lower = [](QChar c) { return c.unicode() | 0x20; };
    for (auto at = std::find(html.begin(), html.end(), u'<'); at != html.end();
         at = std::find(at + 1, html.end(), u'<')) {
        if (html.end() - at > 3 && lower(at[1]) == u'i' && lower(at[2]) == u'm' &&
            lower(at[3]) == u'g')
            return true;
    }
    return false;
}

// An accepted short answer, with Moodle's escaped asterisk undone; nothing when the answer holds
// a wildcard, which stands for any text.
std::optional<QString> literal_answer(const QString& answer)
{
    QString literal;
    for (qsizetype i = 0; i < answer.size(); ++i) {
        if (answer[i] == u'\\' && i + 1 < answer.size() && answer[i + 1] == u'*')
            ++i;
        else if (answer[i] == u'*')
            return std::nullopt;
        literal += answer[i];
    }
    return literal;
}

struct Answer {
    QString text;
    double fraction = 0;
    QString feedback;
};

// A question as the file gives it, its texts already as the record holds them.
struct Question {
    QString type;
    QString where;
    QString question_text;
    QString general_feedback;
    std::vector<Answer> answers; // the first kept_answers that count
    std::size_t answer_count = 0;
    QString bad_fraction;
    std::optional<QString> embedded_file; // the name of the first file it embeds
    bool shows_picture = false;
};

class QuestionMapper {
public:
    QuestionMapper(const Question& question, const QString& topic, TextQuestions& out)
        : question_(question), out_(out)
    {
        record_.question_text = question.question_text;
        record_.topic = topic;
        record_.question_type = QStringLiteral("single_answer");
        if (!question.general_feedback.isEmpty())
            explanation_ << question.general_feedback;
    }

    void map()
    {
        static const std::pair<QLatin1String, QLatin1String> refused[] = {
            {QLatin1String("matching"), QLatin1String("a matching question")},
            {QLatin1String("match"), QLatin1String("a matching question")},
            {QLatin1String("numerical"), QLatin1String("a numerical question")},
            {QLatin1String("essay"), QLatin1String("an essay question")},
            {QLatin1String("cloze"), QLatin1String("a cloze question")},
            {QLatin1String("multianswer"), QLatin1String("a cloze question")},
            {QLatin1String("description"), QLatin1String("a description")},
            {QLatin1String("random"), QLatin1String("a random question")}};
        const QString& type = question_.type;
        for (const auto& [name, kind] : refused) {
            if (type == name)
                return refuse(QStringLiteral("is %1, which cannot be asked here").arg(kind));
        }
        if (type.isEmpty())
            return refuse(QStringLiteral("has no type"));
        const bool known = type == QLatin1String("multichoice") ||
                           type == QLatin1String("truefalse") ||
                           type == QLatin1String("shortanswer");
        if (!known)
            return refuse(QStringLiteral("is a question of the type \"%1\", which cannot be "
                                         "asked here")
                              .arg(type));
        if (question_.embedded_file)
            return refuse(QStringLiteral("holds the file \"%1\", which cannot be shown here")
                              .arg(*question_.embedded_file));
        if (question_.shows_picture)
            return refuse(QStringLiteral("shows a picture, which cannot be shown here"));
        if (!question_.bad_fraction.isEmpty())
            return refuse(QStringLiteral("has an answer whose fraction \"%1\" is not a number")
                              .arg(question_.bad_fraction));
        if (type == QLatin1String("multichoice"))
            return choices();
        if (type == QLatin1String("truefalse"))
            return true_or_false();
        short_answer();
    }

private:
    void refuse(const QString& why)
    {
        out_.problems.push_back(question_.where + QLatin1Char(' ') + why);
    }

    bool too_many(const char* what)
    {
        if (question_.answer_count <= 6)
            return false;
        refuse(QStringLiteral("has %1 %2, and a question holds at most six")
                   .arg(question_.answer_count)
                   .arg(QLatin1String(what)));
        return true;
    }

    // Grading here is all or nothing: where an answer gets full credit only those are right;
    // where none does, every answer with a positive fraction is.
    void choices()
    {
        const std::vector<Answer>& answers = question_.answers;
        if (answers.size() < 2)
            return refuse(
                QStringLiteral("has %1, and a multiple-choice question needs at least two")
                    .arg(answers.empty() ? QLatin1String("no answers")
                                         : QLatin1String("one answer")));
        if (too_many("answers"))
            return;
        const bool full = std::any_of(answers.begin(), answers.end(),
                                      [](const Answer& a) { return a.fraction >= 100; });
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const bool right = full ? answers[i].fraction >= 100 : answers[i].fraction > 0;
            add_choice(record_, explanation_, i + 1, answers[i].text, right, answers[i].feedback);
        }
        finish();
    }

    // The answers "true" and "false" in either order; the one at full credit is right.
    void true_or_false()
    {
        const auto find = [this](QLatin1String value) {
            return std::find_if(question_.answers.begin(), question_.answers.end(),
                                [value](const Answer& a) {
                                    return a.text.compare(value, Qt::CaseInsensitive) == 0;
                                });
        };
        const auto yes = find(QLatin1String("true"));
        const auto no = find(QLatin1String("false"));
        if (question_.answer_count != 2 || yes == question_.answers.end() ||
            no == question_.answers.end())
            return refuse(QStringLiteral("has answers other than \"true\" and \"false\""));
        if (yes->fraction >= 100 && no->fraction >= 100)
            return refuse(QStringLiteral("gives full credit to both true and false"));
        add_choice(record_, explanation_, 1, QStringLiteral("True"), yes->fraction >= 100,
                   yes->feedback);
        add_choice(record_, explanation_, 2, QStringLiteral("False"), no->fraction >= 100,
                   no->feedback);
        finish();
    }

    void short_answer()
    {
        if (too_many("full-credit answers"))
            return;
        record_.question_type = QStringLiteral("fill_in");
        for (std::size_t i = 0; i < question_.answers.size(); ++i) {
            const Answer& answer = question_.answers[i];
            const std::optional<QString> literal = literal_answer(answer.text);
            if (!literal)
                return refuse(QStringLiteral("accepts \"%1\", whose * stands for any text, "
                                             "which a typed answer here cannot match")
                                  .arg(answer.text));
            add_choice(record_, explanation_, i + 1, *literal, false, answer.feedback);
        }
        finish();
    }

    void finish()
    {
        record_.explanation = explanation_.join(QLatin1String("\r\n"));
        add_if_sound(out_, record_, question_.where);
    }

    const Question& question_;
    TextQuestions& out_;
    QuestionRecord record_;
    QStringList explanation_;
};

QString not_well_formed(const QXmlStreamReader& xml)
{
    QString error = xml.errorString();
    if (error.endsWith(u'.'))
        error.chop(1);
    return QStringLiteral("it is not well-formed XML (%1 at line %2, column %3)")
        .arg(error)
        .arg(xml.lineNumber())
        .arg(xml.columnNumber());
}

// Qt 6.4 reads a device a piece at a time, two to three times as fast as the same bytes given
// whole as a byte array or a string.
class XmlDevice {
public:
    explicit XmlDevice(const QByteArray& bytes)
    {
        buffer_.setData(bytes);
        buffer_.open(QIODevice::ReadOnly);
    }
    QIODevice* get() { return &buffer_; }

private:
    QBuffer buffer_;
};

// Qt's error in the bytes before a fault of the scan, where it finds one: then the fault may be a
// misreading of broken XML, and the error says what is wrong. That they end in the middle of the
// XML is no error.
std::optional<QString> error_before(const QByteArray& bytes)
{
    XmlDevice device(bytes);
    QXmlStreamReader xml(device.get());
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        return not_well_formed(xml);
    return std::nullopt;
}

class XmlReader {
public:
    XmlReader(QIODevice* device, XmlQuestions& out) : xml_(device), out_(out)
    {
        xml_.setNamespaceProcessing(false);
    }

    void read()
    {
        if (next_child(0))
            quiz();
        // What follows the questions must be well-formed too, unless reading stopped at the limit.
        while (out_.questions.question_count <= max_question_count && next()) {
        }
        if (xml_.hasError() && out_.fault.isEmpty())
            out_.fault = not_well_formed(xml_);
    }

private:
    using Token = QXmlStreamReader::TokenType;

    // The scan has seen to it that the root is <quiz> and holds questions only.
    void quiz()
    {
        while (next_child(1) && question()) {
        }
    }

    // The next token: false at the end, on an error or at a fault.
    bool next()
    {
        const Token token = xml_.readNext();
        if (token == Token::StartElement) {
            ++depth_;
            if (question_)
                note_embedded(*question_);
        } else if (token == Token::EndElement) {
            --depth_;
        }
        return out_.fault.isEmpty() && !xml_.atEnd() && !xml_.hasError();
    }

    // The next element inside the one at `depth`, which the caller reads or skips whole.
    bool next_child(int depth)
    {
        while (next()) {
            if (xml_.isStartElement())
                return true;
            if (xml_.isEndElement() && depth_ < depth)
                return false;
        }
        return false;
    }

    void skip()
    {
        const int depth = depth_;
        while (next() && !(xml_.isEndElement() && depth_ < depth)) {
        }
    }

    // The characters inside the element, its children's included.
    QString element_text()
    {
        const int depth = depth_;
        QString text;
        while (next() && !(xml_.isEndElement() && depth_ < depth)) {
            if (xml_.isCharacters())
                text += xml_.text();
        }
        return text;
    }

    // An element whose <text> holds its text, in the format the element names; an old file
    // gives a category's path without <text>.
    QString text_of(TextFormat format)
    {
        const int depth = depth_;
        QString own;
        std::optional<QString> text;
        while (next() && !(xml_.isEndElement() && depth_ < depth)) {
            if (xml_.isCharacters() && depth_ == depth)
                own += xml_.text();
            else if (xml_.isStartElement() && xml_.name() == u"text" && !text)
                text = element_text();
            else if (xml_.isStartElement())
                skip();
        }
        return shown(text ? std::move(*text) : std::move(own), format);
    }

    // A picture in an HTML text would be lost in the plain text.
    QString shown(const QString& text, TextFormat format)
    {
        if ((format == TextFormat::Html || format == TextFormat::Moodle) && question_ &&
            has_img(text))
            question_->shows_picture = true;
        return record_text(text, format);
    }

    // Moodle embeds a file in base64 beside the text that shows it; old files embed a picture.
    void note_embedded(Question& question)
    {
        if (xml_.name() == u"file" && !question.embedded_file)
            question.embedded_file = xml_.attributes().value(QLatin1String("name")).toString();
        else if (xml_.name() == u"image_base64")
            question.shows_picture = true;
    }

    // A short answer is typed, so only the full-credit answers are kept, as written.
    void answer(Question& question)
    {
        const QString fraction = xml_.attributes().value(QLatin1String("fraction")).toString();
        const TextFormat format = format_of(xml_.attributes());
        const bool typed = question.type == QLatin1String("shortanswer");
        bool number = true;
        Answer answer;
        answer.fraction = fraction.isEmpty() ? 0 : fraction.toDouble(&number);
        if ((!number || !std::isfinite(answer.fraction)) && question.bad_fraction.isEmpty())
            question.bad_fraction = fraction;
        const int depth = depth_;
        while (next_child(depth)) {
            if (xml_.name() == u"text")
                answer.text = typed ? element_text().trimmed() : shown(element_text(), format);
            else if (xml_.name() == u"feedback")
                answer.feedback = text_of(format_of(xml_.attributes()));
            else
                skip();
        }
        // Moodle leaves out answers without text.
        if (answer.text.isEmpty() || (typed && answer.fraction < 100))
            return;
        if (question.answers.size() < kept_answers)
            question.answers.push_back(answer);
        ++question.answer_count;
    }

    void category()
    {
        const int depth = depth_;
        while (next_child(depth)) {
            if (xml_.name() == u"category")
                topic_ = category_name(text_of(TextFormat::Plain)).trimmed();
            else
                skip();
        }
    }

    // False when reading stops: past the largest usable bank, or at a fault. A bank has no use
    // for more categories than questions.
    bool question()
    {
        Question question;
        question.type = xml_.attributes().value(QLatin1String("type")).toString();
        if (question.type == QLatin1String("category") && ++categories_ > max_question_count) {
            out_.fault = QStringLiteral("it holds more than %1 categories, and a bank holds at "
                                        "most %1 questions")
                             .arg(max_question_count);
            return false;
        }
        if (question.type == QLatin1String("category")) {
            category();
            return true;
        }
        if (++out_.questions.question_count > max_question_count)
            return false;
        question.where =
            question_place(out_.questions.question_count, static_cast<int>(xml_.lineNumber()));
        question_ = &question;
        const int depth = depth_;
        while (next_child(depth)) {
            if (xml_.name() == u"questiontext")
                question.question_text = text_of(format_of(xml_.attributes()));
            else if (xml_.name() == u"generalfeedback")
                question.general_feedback = text_of(format_of(xml_.attributes()));
            else if (xml_.name() == u"answer")
                answer(question);
            else
                skip();
        }
        question_ = nullptr;
        if (!out_.fault.isEmpty() || xml_.hasError())
            return false;
        QuestionMapper(question, topic_, out_.questions).map();
        return true;
    }

    QXmlStreamReader xml_;
    XmlQuestions& out_;
    int depth_ = 0;
    int categories_ = 0;
    QString topic_;
    Question* question_ = nullptr;
};

} // namespace

bool looks_like_xml(QByteArrayView text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    });
    const QByteArrayView rest(first, text.end());
    return rest.startsWith("<?xml") || rest.startsWith("<quiz>");
}

XmlQuestions read_xml(const QByteArray& text)
{
    XmlQuestions out;
    if (const std::optional<MarkupFault> fault = MarkupScan(text).fault()) {
        out.fault = error_before(text.first(fault->end)).value_or(fault->sentence);
        return out;
    }
    XmlDevice device(text);
    XmlReader(device.get(), out).read();
    return out;
}
