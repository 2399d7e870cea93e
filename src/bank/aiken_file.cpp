#include "bank/aiken_file.h"

#include "bank/text_lines.h"

#include <optional>

namespace {

const QLatin1String answer_mark("ANSWER:");

// The letter of a choice line ("B. text" or "B) text"), or nothing for any other line.
std::optional<QChar> choice_mark(QStringView line)
{
    if (line.size() < 3 || line[0] < QLatin1Char('A') || line[0] > QLatin1Char('Z') ||
        (line[1] != QLatin1Char('.') && line[1] != QLatin1Char(')')) || !line[2].isSpace())
        return std::nullopt;
    return line[0];
}

class AikenReader {
public:
    explicit AikenReader(TextQuestions& out) : out_(out) {}

    void line(int number, QStringView text)
    {
        if (text.isEmpty())
            return;
        if (text.startsWith(answer_mark))
            return answer(number, text.mid(answer_mark.size()).trimmed());
        if (const std::optional<QChar> letter = choice_mark(text))
            return choice(number, *letter, text.mid(3).trimmed());
        if (open_ && choices_.empty()) {
            question_ += QStringLiteral("\r\n") + text.toString();
            return;
        }
        if (open_)
            close_without_answer();
        open_ = true;
        first_line_ = number;
        ++out_.question_count;
        question_ = text.toString();
        choices_.clear();
        faulty_ = false;
    }

    void end()
    {
        if (open_)
            close_without_answer();
    }

private:
    QString where() const { return question_place(out_.question_count, first_line_); }

    void fault(const QString& problem)
    {
        out_.problems.push_back(problem);
        faulty_ = true;
    }

    void choice(int number, QChar letter, QStringView text)
    {
        if (!open_) {
            out_.problems.push_back(QStringLiteral("line %1: choice %2 has no question before it")
                                        .arg(number)
                                        .arg(letter));
            return;
        }
        const QString expected = choice_letter(choices_.size() + 1);
        if (letter != expected)
            fault(QStringLiteral("in %1, line %2 gives choice %3 where choice %4 belongs")
                      .arg(where())
                      .arg(number)
                      .arg(letter)
                      .arg(expected));
        choices_.push_back(text.toString());
        if (choices_.size() == 7)
            fault(
                QStringLiteral("%1 has more than six choices (line %2)").arg(where()).arg(number));
    }

    void answer(int number, QStringView letter)
    {
        if (!open_) {
            out_.problems.push_back(
                QStringLiteral("line %1: an ANSWER line has no question before it").arg(number));
            return;
        }
        open_ = false;
        const qsizetype index = letter.size() == 1 ? letter[0].unicode() - u'A' : -1;
        if (letter.isEmpty())
            fault(QStringLiteral("%1 has no letter after ANSWER: (line %2)")
                      .arg(where())
                      .arg(number));
        else if (index < 0 ||
                 index >= static_cast<qsizetype>(std::min<std::size_t>(choices_.size(), 6)))
            fault(
                QStringLiteral("%1 gives the answer \"%2\", which is none of its choices (line %3)")
                    .arg(where(), letter.toString())
                    .arg(number));
        if (faulty_)
            return;
        QuestionRecord record;
        record.question_text = question_;
        record.question_type = QStringLiteral("single_answer");
        for (std::size_t i = 0; i < choices_.size(); ++i)
            record.choice_text[i + 1] = choices_[i];
        record.choice_correct[static_cast<std::size_t>(index) + 1] = 1;
        add_if_sound(out_, record, where());
    }

    void close_without_answer()
    {
        out_.problems.push_back(QStringLiteral("%1 has no ANSWER line").arg(where()));
        open_ = false;
    }

    TextQuestions& out_;
    bool open_ = false;
    bool faulty_ = false;
    int first_line_ = 0;
    QString question_;
    std::vector<QString> choices_;
};

} // namespace

bool looks_like_aiken(const QString& text)
{
    if (text.contains(QLatin1Char('{')))
        return false;
    for (const QStringView line : text_lines(text)) {
        if (line.trimmed().startsWith(answer_mark))
            return true;
    }
    return false;
}

TextQuestions read_aiken(const QString& text)
{
    TextQuestions out;
    AikenReader reader(out);
    const std::vector<QStringView> lines = text_lines(text);
    for (std::size_t n = 0; n < lines.size(); ++n)
        reader.line(static_cast<int>(n) + 1, lines[n].trimmed());
    reader.end();
    return out;
}
