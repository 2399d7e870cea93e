#include "bank/gift_file.h"

#include "bank/html_text.h"
#include "bank/text_lines.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// An escaped special character stands in the private-use area while the text is split, so that
// no split is ever made at it; `\n` is a line break.
constexpr char16_t first_stand_in = 0xE000;
const QString escapable = QStringLiteral("~=#{}:\\n");

QString hide_escapes(QStringView text)
{
    QString hidden;
    hidden.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype which = text[i] == QLatin1Char('\\') && i + 1 < text.size()
                                    ? escapable.indexOf(text[i + 1])
                                    : -1;
        if (which < 0) {
            hidden += text[i];
            continue;
        }
        hidden += QChar(static_cast<char16_t>(first_stand_in + which));
        ++i;
    }
    return hidden;
}

QString restore_escapes(QString text)
{
    for (QChar& c : text) {
        const int which = c.unicode() - first_stand_in;
        if (which >= 0 && which < escapable.size())
            c = which == escapable.size() - 1 ? QChar(u'\n') : escapable[which];
    }
    return text;
}

enum class Format { Moodle, Html, Plain, Markdown };

// A text of the file as the record holds it: HTML read as a reader sees it, escapes undone, CR LF
// line breaks.
QString plain(const QString& text, Format format)
{
    QString result = text;
    if (format == Format::Html || (format == Format::Moodle && looks_like_html(result))) {
        if (format == Format::Html)
            result = result.simplified();
        result = html_to_text(result);
    }
    result = restore_escapes(result).trimmed();
    return result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

struct Answer {
    QChar mark; // '=' or '~'
    double weight = 0;
    QString text;
    QString feedback;
};

struct Block {
    int number = 0;
    int first_line = 0;
    QString text; // escapes hidden, comment lines left out, lines joined with LF
    QString topic;
};

class BlockReader {
public:
    BlockReader(const Block& block, TextQuestions& out)
        : block_(block), where_(question_place(block.number, block.first_line)), out_(out)
    {
    }

    void read()
    {
        QString text = block_.text.trimmed();
        if (text.startsWith(QLatin1String("::"))) {
            const qsizetype end = text.indexOf(QLatin1String("::"), 2);
            if (end < 0)
                return refuse(QStringLiteral("its name has no closing ::"));
            text = text.mid(end + 2).trimmed();
        }
        format_ = take_format(text);
        const qsizetype open = text.indexOf(QLatin1Char('{'));
        if (open < 0)
            return refuse(QStringLiteral("has no answers in braces { }"));
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            return refuse(QStringLiteral("has no closing brace } after its answers"));
        const QString after = text.mid(close + 1);
        record_.question_text =
            plain(after.trimmed().isEmpty() ? text.left(open)
                                            : text.left(open) + QStringLiteral("_____") + after,
                  format_);
        record_.topic = block_.topic;
        record_.question_type = QStringLiteral("single_answer");

        QString answers = text.mid(open + 1, close - open - 1);
        const qsizetype general = answers.indexOf(QLatin1String("####"));
        if (general >= 0) {
            explanation_ << plain(answers.mid(general + 4), format_);
            answers.truncate(general);
        }
        answers = answers.trimmed();
        if (answers.isEmpty())
            return refuse(QStringLiteral("is an essay question, which cannot be asked here"));
        if (answers.startsWith(QLatin1Char('#')))
            return refuse(QStringLiteral("is a numerical question, which cannot be asked here"));
        if (answers.contains(QLatin1Char('~')))
            return choices(answers);
        if (answers.contains(QLatin1Char('=')) && answers.contains(QLatin1String("->")))
            return refuse(QStringLiteral("is a matching question, which cannot be asked here"));
        if (!true_or_false(answers))
            short_answer(answers);
    }

private:
    static Format take_format(QString& text)
    {
        static const std::pair<QLatin1String, Format> markers[] = {
            {QLatin1String("[moodle]"), Format::Moodle},
            {QLatin1String("[html]"), Format::Html},
            {QLatin1String("[plain]"), Format::Plain},
            {QLatin1String("[markdown]"), Format::Markdown}};
        for (const auto& [marker, format] : markers) {
            if (text.startsWith(marker)) {
                text = text.mid(marker.size()).trimmed();
                return format;
            }
        }
        return Format::Moodle;
    }

    void refuse(const QString& why) { out_.problems.push_back(where_ + QLatin1Char(' ') + why); }

    // Each answer starts at an = or a ~; a weight %n% may follow the mark and feedback #... may
    // end it.
    std::optional<std::vector<Answer>> split_answers(const QString& answers)
    {
        const auto next_mark = [&answers](qsizetype from) {
            while (from < answers.size() && answers[from] != QLatin1Char('=') &&
                   answers[from] != QLatin1Char('~'))
                ++from;
            return from;
        };
        std::vector<Answer> list;
        qsizetype at = next_mark(0);
        if (!answers.left(at).trimmed().isEmpty()) {
            if (at < answers.size()) {
                refuse(QStringLiteral("has text before its first answer"));
                return std::nullopt;
            }
            // A lone answer without a mark is a short answer's only right one.
            list.push_back(one_answer(QLatin1Char('='), 100, answers));
            return list;
        }
        while (at < answers.size()) {
            const qsizetype next = next_mark(at + 1);
            const QChar mark = answers[at];
            const QString body = answers.mid(at + 1, next - at - 1);
            at = next;
            if (!body.startsWith(QLatin1Char('%'))) {
                list.push_back(one_answer(mark, mark == QLatin1Char('=') ? 100 : 0, body));
                continue;
            }
            const qsizetype end = body.indexOf(QLatin1Char('%'), 1);
            bool number = end > 0;
            const double weight = number ? body.mid(1, end - 1).toDouble(&number) : 0;
            if (!number) {
                refuse(QStringLiteral("has an answer whose weight \"%1\" is not a number")
                           .arg(restore_escapes(
                               body.left(end > 0 ? end + 1 : body.size()).trimmed())));
                return std::nullopt;
            }
            list.push_back(one_answer(mark, weight, body.mid(end + 1)));
        }
        return list;
    }

    Answer one_answer(QChar mark, double weight, const QString& body) const
    {
        Answer answer;
        answer.mark = mark;
        answer.weight = weight;
        const qsizetype hash = body.indexOf(QLatin1Char('#'));
        answer.text = plain(hash < 0 ? body : body.left(hash), format_);
        if (hash >= 0)
            answer.feedback = plain(body.mid(hash + 1), format_);
        return answer;
    }

    bool too_many(std::size_t count, const char* what)
    {
        if (count <= 6)
            return false;
        refuse(QStringLiteral("has %1 %2, and a question holds at most six")
                   .arg(count)
                   .arg(QLatin1String(what)));
        return true;
    }

    // Grading here is all or nothing: where an answer gets full credit only those are right;
    // where none does, every answer with a positive weight is.
    void choices(const QString& answers)
    {
        const std::optional<std::vector<Answer>> list = split_answers(answers);
        if (!list || too_many(list->size(), "answers"))
            return;
        const bool full = std::any_of(list->begin(), list->end(),
                                      [](const Answer& a) { return a.weight >= 100; });
        for (std::size_t i = 0; i < list->size(); ++i) {
            const Answer& answer = (*list)[i];
            const bool right = full ? answer.weight >= 100 : answer.weight > 0;
            add_choice(i + 1, answer.text, right, answer.feedback);
        }
        finish();
    }

    void short_answer(const QString& answers)
    {
        const std::optional<std::vector<Answer>> list = split_answers(answers);
        if (!list)
            return;
        std::vector<Answer> accepted;
        std::copy_if(list->begin(), list->end(), std::back_inserter(accepted),
                     [](const Answer& a) { return a.weight >= 100; });
        if (too_many(accepted.size(), "full-credit answers"))
            return;
        record_.question_type = QStringLiteral("fill_in");
        for (std::size_t i = 0; i < accepted.size(); ++i)
            add_choice(i + 1, accepted[i].text, false, accepted[i].feedback);
        finish();
    }

    // {T}, {TRUE}, {F} or {FALSE}, then the feedback for a wrong reply and for a right one.
    bool true_or_false(const QString& answers)
    {
        const QStringList parts = answers.split(QLatin1Char('#'));
        const QString value = parts.front().trimmed().toUpper();
        const bool is_true = value == QLatin1String("T") || value == QLatin1String("TRUE");
        if (!is_true && value != QLatin1String("F") && value != QLatin1String("FALSE"))
            return false;
        const QString wrong = parts.size() > 1 ? plain(parts[1], format_) : QString();
        const QString right = parts.size() > 2 ? plain(parts[2], format_) : QString();
        add_choice(1, QStringLiteral("True"), is_true, is_true ? right : wrong);
        add_choice(2, QStringLiteral("False"), !is_true, is_true ? wrong : right);
        finish();
        return true;
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
        add_if_sound(out_, record_, where_);
    }

    const Block& block_;
    QString where_;
    TextQuestions& out_;
    Format format_ = Format::Moodle;
    QuestionRecord record_;
    QStringList explanation_;
};

// A $CATEGORY path names its topic last: "$course$/top/Routing" gives "Routing". A doubled slash
// stands for a slash within a name.
QString category_topic(QStringView line)
{
    QString path = line.mid(line.indexOf(u':') + 1).trimmed().toString();
    path.replace(QLatin1String("//"), QChar(u'\n'));
    path = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).trimmed();
    return restore_escapes(path.replace(QChar(u'\n'), QLatin1Char('/')));
}

} // namespace

TextQuestions read_gift(const QString& text)
{
    TextQuestions out;
    const QString hidden = hide_escapes(text);
    const std::vector<QStringView> lines = text_lines(hidden);
    Block block;
    QString topic;
    const auto end_block = [&] {
        if (block.first_line == 0)
            return;
        block.number = ++out.question_count;
        BlockReader(block, out).read();
        block = Block{};
    };
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const QStringView line = lines[n].trimmed();
        if (line.isEmpty()) {
            end_block();
            continue;
        }
        if (line.startsWith(u"//"))
            continue;
        if (block.first_line == 0 && line.startsWith(u"$CATEGORY:")) {
            topic = category_topic(line);
            continue;
        }
        if (block.first_line == 0) {
            block.first_line = static_cast<int>(n) + 1;
            block.topic = topic;
        } else {
            block.text += QLatin1Char('\n');
        }
        block.text += lines[n];
    }
    end_block();
    return out;
}
