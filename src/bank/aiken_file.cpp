#include "bank/aiken_file.h"

#include "bank/question_bank.h"
#include "bank/text_lines.h"

#include <optional>

namespace {

const QLatin1String answer_mark("ANSWER:");

// The letter of a choice line ("B. text", "B) text", or with no space, "B)text"), or nothing for
// any other line.
std::optional<QChar> choice_mark(QStringView line)
{
    if (line.size() < 2 || line[0] < QLatin1Char('A') || line[0] > QLatin1Char('Z') ||
        (line[1] != QLatin1Char('.') && line[1] != QLatin1Char(')')))
        return std::nullopt;
    return line[0];
}

class AikenReader {
public:
    explicit AikenReader(TextQuestions& out) : out_(out) {}

    // False once the file holds more questions than a bank can: the rest is not read.
    bool line(int number, QStringView text)
    {
        if (text.isEmpty())
            return true;
        if (text.startsWith(answer_mark)) {
            answer(number, trim_line(text.mid(answer_mark.size())));
            return true;
        }
        if (const std::optional<QChar> letter = choice_mark(text)) {
            choice(number, *letter, trim_line(text.mid(2)));
            return true;
        }
        if (open_ && choice_count_ == 0) {
            question_ += QStringLiteral("\r\n") + text.toString();
            return true;
        }
        if (open_)
            close_without_answer();
        if (++out_.question_count > max_question_count)
            return false;
        open_ = true;
        stray_ = false;
        first_line_ = number;
        question_ = text.toString();
        choices_.clear();
        choice_count_ = 0;
        faulty_ = false;
        return true;
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

    // Lines that belong to no question are told once for each run of them.
    void stray(const QString& problem)
    {
        if (!stray_)
            out_.problems.push_back(problem);
        stray_ = true;
    }

    void choice(int number, QChar letter, QStringView text)
    {
        if (!open_)
            return stray(QStringLiteral("line %1: choice %2 has no question before it")
                             .arg(number)
                             .arg(letter));
        // A question that has more choices than the record holds is refused at the seventh;
        // those after it are not kept.
        if (++choice_count_ > 7)
            return;
        if (choice_count_ == 7)
            return fault(
                QStringLiteral("%1 has more than six choices (line %2)").arg(where()).arg(number));
        const QString expected = choice_letter(choice_count_);
        if (letter != expected)
            fault(QStringLiteral("in %1, line %2 gives choice %3 where choice %4 belongs")
                      .arg(where())
                      .arg(number)
                      .arg(letter)
                      .arg(expected));
        choices_.push_back(text.toString());
    }

    void answer(int number, QStringView letter)
    {
        if (!open_)
            return stray(
                QStringLiteral("line %1: an ANSWER line has no question before it").arg(number));
        open_ = false;
        if (choice_count_ < 2)
            fault(
                QStringLiteral("%1 has fewer than two choices (line %2)").arg(where()).arg(number));
        const qsizetype index = letter.size() == 1 ? letter[0].unicode() - u'A' : -1;
        if (letter.isEmpty())
            fault(QStringLiteral("%1 has no letter after ANSWER: (line %2)")
                      .arg(where())
                      .arg(number));
        else if (index < 0 || index >= static_cast<qsizetype>(choices_.size()))
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
    bool stray_ = false;
    int first_line_ = 0;
    QString question_;
    std::vector<QString> choices_;
    std::size_t choice_count_ = 0;
};

} // namespace

bool looks_like_aiken(const QString& text)
{
    if (text.contains(QLatin1Char('{')))
        return false;
    bool answer_line = false;
    for_each_line(text, [&answer_line](QStringView line) {
        answer_line = answer_line || trim_line(line).startsWith(answer_mark);
    });
    return answer_line;
}

TextQuestions read_aiken(const QString& text)
{
    TextQuestions out;
    AikenReader reader(out);
    int number = 0;
    bool reading = true;
    for_each_line(text, [&](QStringView line) {
        reading = reading && reader.line(++number, trim_line(line));
    });
    if (reading)
        reader.end();
    return out;
}
