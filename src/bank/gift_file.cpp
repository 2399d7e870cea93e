#include "bank/gift_file.h"

#include "bank/html_text.h"
#include "bank/question_bank.h"
#include "bank/text_lines.h"

#include <QStringList>

#include <optional>

namespace {

// A GIFT text with its escapes undone. Beside each character it keeps whether it was escaped: an
// escaped ~ = # { } : is text and never a mark, and an escaped line break (\n) stays a line
// break even in HTML. The file may hold any character, so none can stand for an escape.
struct EscapedText {
    QString text;
    std::vector<bool> escaped;
};

bool escapable(QChar c)
{
    return QStringView(u"~=#{}:\\n").contains(c);
}

void append_unescaped(EscapedText& out, QStringView text)
{
    const qsizetype start = out.text.size();
    out.text.resize(start + text.size());
    out.escaped.resize(static_cast<std::size_t>(start + text.size()), false);
    QChar* const written = out.text.data();
    qsizetype end = start;
    for (qsizetype i = 0; i < text.size(); ++i, ++end) {
        // A backslash that starts no escape is taken as it is written.
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size() && escapable(text[i + 1])) {
            out.escaped[static_cast<std::size_t>(end)] = true;
            ++i;
        }
        const bool line_break =
            text[i] == QLatin1Char('n') && out.escaped[static_cast<std::size_t>(end)];
        written[end] = line_break ? QChar(u'\n') : text[i];
    }
    out.text.truncate(end);
    out.escaped.resize(static_cast<std::size_t>(end));
}

// A question's lines, trimmed and without comment lines, joined by LF, with their escapes undone.
EscapedText block_text(QStringView block)
{
    EscapedText out;
    out.text.reserve(block.size());
    out.escaped.reserve(static_cast<std::size_t>(block.size()));
    for_each_line(block, [&out](QStringView raw) {
        const QStringView line = trim_line(raw);
        if (line.startsWith(u"//"))
            return;
        if (!out.text.isEmpty()) {
            out.text += QLatin1Char('\n');
            out.escaped.push_back(false);
        }
        append_unescaped(out, line);
    });
    return out;
}

// A stretch of an escaped text, as the reader splits it.
class Part {
public:
    explicit Part(const EscapedText& all) : all_(&all), end_(all.text.size()) {}

    qsizetype size() const { return end_ - begin_; }
    QStringView text() const { return QStringView(all_->text).sliced(begin_, size()); }
    bool escaped(qsizetype i) const { return all_->escaped[static_cast<std::size_t>(begin_ + i)]; }
    bool is_blank() const { return text().trimmed().isEmpty(); }

    // Where the first unescaped `marks` start at or after `from`, or -1.
    qsizetype find(QStringView marks, qsizetype from = 0) const
    {
        for (qsizetype i = text().indexOf(marks, from); i >= 0; i = text().indexOf(marks, i + 1)) {
            bool plain = true;
            for (qsizetype k = 0; k < marks.size(); ++k)
                plain = plain && !escaped(i + k);
            if (plain)
                return i;
        }
        return -1;
    }
    bool contains(QStringView marks) const { return find(marks) >= 0; }
    bool starts_with(QStringView marks) const
    {
        return text().startsWith(marks) && find(marks) == 0;
    }

    Part mid(qsizetype from, qsizetype length = -1) const
    {
        Part part = *this;
        part.begin_ = begin_ + from;
        part.end_ = length < 0 ? end_ : part.begin_ + length;
        return part;
    }
    Part left(qsizetype length) const { return mid(0, length); }
    Part trimmed() const
    {
        Part part = *this;
        while (part.begin_ < part.end_ && all_->text[part.begin_].isSpace())
            ++part.begin_;
        while (part.end_ > part.begin_ && all_->text[part.end_ - 1].isSpace())
            --part.end_;
        return part;
    }

private:
    const EscapedText* all_;
    qsizetype begin_ = 0;
    qsizetype end_;
};

// Any part may open with a marker of its format; without one it takes the question's.
TextFormat take_format(Part& part, TextFormat fallback)
{
    static const std::pair<QLatin1String, TextFormat> markers[] = {
        {QLatin1String("[moodle]"), TextFormat::Moodle},
        {QLatin1String("[html]"), TextFormat::Html},
        {QLatin1String("[plain]"), TextFormat::Plain},
        {QLatin1String("[markdown]"), TextFormat::Markdown}};
    part = part.trimmed();
    for (const auto& [marker, format] : markers) {
        if (part.text().startsWith(marker)) {
            part = part.mid(marker.size()).trimmed();
            return format;
        }
    }
    return fallback;
}

QString plain(const Part& part, TextFormat format)
{
    return record_text(part.text(), format, [&part](qsizetype i) { return part.escaped(i); });
}

struct Answer {
    QChar mark; // '=' or '~'
    double weight = 0;
    Part body;
};

// A question: its lines, from the start of the first to the end of the last.
struct Block {
    int number = 0;
    int first_line = 0;
    qsizetype begin = 0;
    qsizetype end = 0;
    QString topic;
};

class BlockReader {
public:
    BlockReader(QStringView file, const Block& block, TextQuestions& out)
        : escaped_(block_text(file.sliced(block.begin, block.end - block.begin))),
          topic_(block.topic),
          where_(question_place(block.number, block.first_line)),
          out_(out)
    {
    }

    void read()
    {
        Part text = Part(escaped_).trimmed();
        if (text.starts_with(u"::")) {
            const qsizetype end = text.find(u"::", 2);
            if (end < 0)
                return refuse(QStringLiteral("its name has no closing ::"));
            text = text.mid(end + 2);
        }
        format_ = take_format(text, TextFormat::Moodle);
        const qsizetype open = text.find(u"{");
        if (open < 0)
            return refuse(QStringLiteral("has no answers in braces { }"));
        const qsizetype close = text.find(u"}", open);
        if (close < 0)
            return refuse(QStringLiteral("has no closing brace } after its answers"));
        before_ = text.left(open);
        after_ = text.mid(close + 1);
        record_.topic = topic_;
        record_.question_type = QStringLiteral("single_answer");

        Part answers = text.mid(open + 1, close - open - 1);
        if (const qsizetype general = answers.find(u"####"); general >= 0) {
            explanation_ << marked(answers.mid(general + 4));
            answers = answers.left(general);
        }
        answers = answers.trimmed();
        if (answers.size() == 0)
            return refuse(QStringLiteral("is an essay question, which cannot be asked here"));
        if (answers.starts_with(u"#"))
            return refuse(QStringLiteral("is a numerical question, which cannot be asked here"));
        if (answers.contains(u"~"))
            return choices(answers);
        if (answers.contains(u"=") && answers.contains(u"->"))
            return refuse(QStringLiteral("is a matching question, which cannot be asked here"));
        if (!true_or_false(answers))
            short_answer(answers);
    }

private:
    void refuse(const QString& why) { out_.problems.push_back(where_ + QLatin1Char(' ') + why); }

    // A part that may open with its own format marker.
    QString marked(Part part) const
    {
        const TextFormat format = take_format(part, format_);
        return plain(part, format);
    }

    // The text around the braces, with a blank where they stood, read as one text.
    QString missing_word(const Part& before, const Part& after) const
    {
        EscapedText joined;
        const auto append = [&joined](const Part& part) {
            joined.text += part.text();
            for (qsizetype i = 0; i < part.size(); ++i)
                joined.escaped.push_back(part.escaped(i));
        };
        append(before);
        joined.text += QStringLiteral("_____");
        joined.escaped.resize(joined.escaped.size() + 5);
        append(after);
        return plain(Part(joined), format_);
    }

    // Calls `visit` with each answer: each starts at an unescaped = or ~, a weight %n% may follow
    // the mark. A lone answer without a mark is a short answer's only right one. False, with the
    // problem noted, when the answers cannot be read.
    template <class Visit>
    bool for_each_answer(const Part& answers, Visit&& visit)
    {
        const auto next_mark = [&answers](qsizetype from) {
            const QStringView text = answers.text();
            while (from < text.size() &&
                   ((text[from] != QLatin1Char('=') && text[from] != QLatin1Char('~')) ||
                    answers.escaped(from)))
                ++from;
            return from;
        };
        qsizetype at = next_mark(0);
        if (!answers.left(at).is_blank()) {
            if (at < answers.size()) {
                refuse(QStringLiteral("has text before its first answer"));
                return false;
            }
            visit(Answer{QLatin1Char('='), 100, answers});
            return true;
        }
        while (at < answers.size()) {
            const qsizetype next = next_mark(at + 1);
            Answer answer{answers.text()[at], 0, answers.mid(at + 1, next - at - 1)};
            at = next;
            if (!answer.body.text().startsWith(QLatin1Char('%'))) {
                answer.weight = answer.mark == QLatin1Char('=') ? 100 : 0;
                visit(answer);
                continue;
            }
            const qsizetype end = answer.body.text().indexOf(QLatin1Char('%'), 1);
            bool number = end > 0;
            answer.weight = number ? answer.body.text().sliced(1, end - 1).toDouble(&number) : 0;
            if (!number) {
                refuse(QStringLiteral("has an answer whose weight \"%1\" is not a number")
                           .arg(answer.body.text()
                                    .left(end > 0 ? end + 1 : answer.body.size())
                                    .trimmed()));
                return false;
            }
            answer.body = answer.body.mid(end + 1);
            visit(answer);
        }
        return true;
    }

    // An answer's text, and the feedback after its first unescaped #.
    std::pair<QString, QString> text_and_feedback(const Answer& answer) const
    {
        const qsizetype hash = answer.body.find(u"#");
        return {marked(hash < 0 ? answer.body : answer.body.left(hash)),
                hash < 0 ? QString() : marked(answer.body.mid(hash + 1))};
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
    // where none does, every answer with a positive weight is. The answers are counted before
    // any is kept, so that a question of millions of them costs nothing.
    void choices(const Part& answers)
    {
        std::size_t count = 0;
        bool full = false;
        if (!for_each_answer(answers, [&](const Answer& answer) {
                ++count;
                full = full || answer.weight >= 100;
            }))
            return;
        if (count < 2)
            return refuse(QStringLiteral(
                "has only one answer, and a multiple-choice question needs at least two"));
        if (too_many(count, "answers"))
            return;
        std::size_t i = 0;
        for_each_answer(answers, [&](const Answer& answer) {
            const auto [text, feedback] = text_and_feedback(answer);
            add_choice(record_, explanation_, ++i, text,
                       full ? answer.weight >= 100 : answer.weight > 0, feedback);
        });
        finish();
    }

    void short_answer(const Part& answers)
    {
        std::size_t accepted = 0;
        if (!for_each_answer(
                answers, [&](const Answer& answer) { accepted += answer.weight >= 100 ? 1 : 0; }))
            return;
        if (too_many(accepted, "full-credit answers"))
            return;
        record_.question_type = QStringLiteral("fill_in");
        std::size_t i = 0;
        for_each_answer(answers, [&](const Answer& answer) {
            if (answer.weight < 100)
                return;
            const auto [text, feedback] = text_and_feedback(answer);
            add_choice(record_, explanation_, ++i, text, false, feedback);
        });
        finish();
    }

    // {T}, {TRUE}, {F} or {FALSE}, then the feedback for a wrong reply and for a right one.
    bool true_or_false(const Part& answers)
    {
        const qsizetype first = answers.find(u"#");
        const QString value =
            (first < 0 ? answers : answers.left(first)).text().trimmed().toString().toUpper();
        const bool is_true = value == QLatin1String("T") || value == QLatin1String("TRUE");
        if (!is_true && value != QLatin1String("F") && value != QLatin1String("FALSE"))
            return false;
        const qsizetype second = first < 0 ? -1 : answers.find(u"#", first + 1);
        const qsizetype third = second < 0 ? -1 : answers.find(u"#", second + 1);
        const QString wrong =
            first < 0 ? QString()
                      : marked(answers.mid(first + 1, second < 0 ? -1 : second - first - 1));
        const QString right =
            second < 0 ? QString()
                       : marked(answers.mid(second + 1, third < 0 ? -1 : third - second - 1));
        add_choice(record_, explanation_, 1, QStringLiteral("True"), is_true,
                   is_true ? right : wrong);
        add_choice(record_, explanation_, 2, QStringLiteral("False"), !is_true,
                   is_true ? wrong : right);
        finish();
        return true;
    }

    // The question's text is made only for a question that is kept.
    void finish()
    {
        record_.question_text =
            after_->is_blank() ? plain(*before_, format_) : missing_word(*before_, *after_);
        record_.explanation = explanation_.join(QLatin1String("\r\n"));
        add_if_sound(out_, record_, where_);
    }

    EscapedText escaped_;
    QString topic_;
    QString where_;
    TextQuestions& out_;
    TextFormat format_ = TextFormat::Moodle;
    // The text before and after the answers in braces.
    std::optional<Part> before_;
    std::optional<Part> after_;
    QuestionRecord record_;
    QStringList explanation_;
};

// The topic of a $CATEGORY line, its escapes undone.
QString category_topic(QStringView line)
{
    EscapedText topic;
    append_unescaped(topic, category_name(line.sliced(line.indexOf(u':') + 1)));
    return topic.text.trimmed();
}

} // namespace

TextQuestions read_gift(const QString& text)
{
    TextQuestions out;
    Block block;
    QString topic;
    int number = 0;
    bool full = false;
    const auto end_block = [&] {
        if (block.first_line == 0)
            return;
        block.number = out.question_count;
        BlockReader(text, block, out).read();
        block = Block{};
    };
    for_each_line(text, [&](QStringView raw) {
        ++number;
        const QStringView line = trim_line(raw);
        if (full || line.startsWith(u"//"))
            return;
        if (line.isEmpty())
            return end_block();
        if (block.first_line == 0 && line.startsWith(u"$CATEGORY:")) {
            topic = category_topic(line);
            return;
        }
        const qsizetype line_end = raw.data() - text.data() + raw.size();
        if (block.first_line != 0) {
            block.end = line_end;
        } else if (++out.question_count > max_question_count) {
            // Past the largest bank nothing more is read.
            full = true;
        } else {
            block = Block{0, number, line_end - raw.size(), line_end, topic};
        }
    });
    end_block();
    return out;
}
