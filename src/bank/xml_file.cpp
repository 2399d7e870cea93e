#include "bank/xml_file.h"

#include "bank/html_text.h"
#include "bank/question_bank.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// A question file nests five deep and gives an element three attributes at most.
constexpr int max_depth = 32;
constexpr int max_attributes = 16;
// More answers than a question can hold are counted, not kept.
constexpr std::size_t kept_answers = 7;

// Qt's reader compares every attribute of an element with every other, and reads a document type
// declaration whole, entities and all, before it reports it: both are refused here first, in one
// pass that follows the XML's comments, CDATA sections, processing instructions and quotes.
QString markup_fault(QStringView text)
{
    int line = 1;
    qsizetype i = 0;
    const auto skip_past = [&](qsizetype from, QStringView end) {
        const qsizetype found = text.indexOf(end, from);
        const qsizetype stop = found < 0 ? text.size() : found + end.size();
        line += static_cast<int>(text.sliced(i, stop - i).count(u'\n'));
        i = stop;
    };
    while (i < text.size()) {
        if (text[i] != u'<') {
            line += text[i] == u'\n' ? 1 : 0;
            ++i;
            continue;
        }
        const QStringView rest = text.sliced(i);
        if (rest.startsWith(u"<!--")) {
            skip_past(i + 4, u"-->");
        } else if (rest.startsWith(u"<![CDATA[")) {
            skip_past(i + 9, u"]]>");
        } else if (rest.startsWith(u"<!")) {
            return QStringLiteral("line %1 holds a document type declaration, which is not read")
                .arg(line);
        } else if (rest.startsWith(u"<?")) {
            skip_past(i + 2, u"?>");
        } else {
            int attributes = 0;
            QChar quote;
            for (++i; i < text.size() && (!quote.isNull() || text[i] != u'>'); ++i) {
                const QChar c = text[i];
                line += c == u'\n' ? 1 : 0;
                if (!quote.isNull())
                    quote = c == quote ? QChar() : quote;
                else if (c == u'"' || c == u'\'')
                    quote = c;
                else if (c == u'=' && ++attributes > max_attributes)
                    return QStringLiteral("line %1 holds an element with more than %2 attributes")
                        .arg(line)
                        .arg(max_attributes);
            }
        }
    }
    return {};
}

enum class Format { Html, Moodle, Plain, Markdown };

Format format_of(const QXmlStreamAttributes& attributes)
{
    const QStringView name = attributes.value(QLatin1String("format"));
    if (name == u"moodle_auto_format")
        return Format::Moodle;
    if (name == u"plain_text")
        return Format::Plain;
    if (name == u"markdown")
        return Format::Markdown;
    return Format::Html;
}

// A text of the file as the record holds it: HTML read as a reader sees it, CR LF line breaks.
QString record_text(const QString& text, Format format)
{
    QString result = text;
    if (format == Format::Html)
        result = html_to_text(result.simplified());
    else if (format == Format::Moodle && looks_like_html(result))
        result = html_to_text(result);
    return result.trimmed().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// A category path names its topic last: "$course$/top/Routing" gives "Routing". A doubled slash
// stands for a slash within a name.
QString category_topic(QString path)
{
    path.replace(QLatin1String("//"), QChar(u'\n'));
    path = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).trimmed();
    return path.replace(QChar(u'\n'), QLatin1Char('/'));
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
            add_choice(i + 1, answers[i].text, right, answers[i].feedback);
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
        add_choice(1, QStringLiteral("True"), yes->fraction >= 100, yes->feedback);
        add_choice(2, QStringLiteral("False"), no->fraction >= 100, no->feedback);
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
            add_choice(i + 1, *literal, false, answer.feedback);
        }
        finish();
    }

    void add_choice(std::size_t i, const QString& text, bool right, const QString& feedback)
    {
        record_.choice_text[i] = text;
        record_.choice_correct[i] = right ? 1 : 0;
        // Named by its text, not its letter: the letters change when the answers are shuffled.
        if (!feedback.isEmpty())
            explanation_ << text + QStringLiteral(": ") + feedback;
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

class XmlReader {
public:
    XmlReader(const QString& text, XmlQuestions& out) : xml_(text), out_(out)
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
        if (xml_.hasError() && out_.fault.isEmpty()) {
            QString error = xml_.errorString();
            if (error.endsWith(u'.'))
                error.chop(1);
            out_.fault = QStringLiteral("it is not well-formed XML (%1 at line %2, column %3)")
                             .arg(error)
                             .arg(xml_.lineNumber())
                             .arg(xml_.columnNumber());
        }
    }

private:
    using Token = QXmlStreamReader::TokenType;

    void quiz()
    {
        if (xml_.name() != u"quiz") {
            out_.fault = QStringLiteral("its first element is <%1>, where Moodle XML has <quiz>")
                             .arg(xml_.name());
            return;
        }
        while (next_child(1)) {
            if (xml_.name() != u"question")
                skip();
            else if (!question())
                return;
        }
    }

    // The next token: false at the end, on an error, or past the depth a question file needs.
    bool next()
    {
        const Token token = xml_.readNext();
        if (token == Token::StartElement && ++depth_ > max_depth) {
            out_.fault = QStringLiteral("line %1 nests elements more than %2 deep")
                             .arg(xml_.lineNumber())
                             .arg(max_depth);
            return false;
        }
        if (token == Token::StartElement && question_)
            note_embedded(*question_);
        if (token == Token::EndElement)
            --depth_;
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
    QString text_of(Format format)
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
        return shown(text.value_or(own), format);
    }

    // A picture in an HTML text would be lost in the plain text.
    QString shown(const QString& text, Format format)
    {
        if ((format == Format::Html || format == Format::Moodle) && question_ &&
            text.contains(QLatin1String("<img"), Qt::CaseInsensitive))
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
        const Format format = format_of(xml_.attributes());
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
                topic_ = category_topic(text_of(Format::Plain));
            else
                skip();
        }
    }

    // False when reading stops: past the largest usable bank, or at a fault.
    bool question()
    {
        Question question;
        question.type = xml_.attributes().value(QLatin1String("type")).toString();
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
    QString topic_;
    Question* question_ = nullptr;
};

} // namespace

bool looks_like_xml(const QString& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
    });
    const QStringView rest(first, text.end());
    return rest.startsWith(u"<?xml") || rest.startsWith(u"<quiz>");
}

XmlQuestions read_xml(const QString& text)
{
    XmlQuestions out;
    out.fault = markup_fault(text);
    if (out.fault.isEmpty())
        XmlReader(text, out).read();
    return out;
}
