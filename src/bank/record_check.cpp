#include "bank/record_check.h"

#include <algorithm>

QString question_place(int number, int line)
{
    return QStringLiteral("question %1 (line %2)").arg(number).arg(line);
}

QString category_name(QStringView path)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path[i] == u'/' && i + 1 < path.size() && path[i + 1] == u'/')
            ++i;
        else if (path[i] == u'/')
            start = i + 1;
    }
    const QStringView name = path.sliced(start);
    QString topic;
    qsizetype from = 0;
    for (qsizetype at = name.indexOf(u"//"); at >= 0; from = at + 2, at = name.indexOf(u"//", from))
        topic.append(name.sliced(from, at + 1 - from));
    return topic.append(name.sliced(from));
}

void add_choice(QuestionRecord& record, QStringList& explanation, std::size_t i,
                const QString& text, bool right, const QString& feedback)
{
    record.choice_text[i] = text;
    record.choice_correct[i] = right ? 1 : 0;
    if (!feedback.isEmpty())
        explanation << text + QStringLiteral(": ") + feedback;
}

void add_if_sound(TextQuestions& out, const QuestionRecord& record, const QString& where)
{
    const std::size_t before = out.problems.size();
    check_record(record, where, out.problems);
    if (out.problems.size() == before)
        out.records.push_back(record);
}

void check_record(const QuestionRecord& record, const QString& where, BankProblems& problems)
{
    std::size_t filled = 0;
    for (std::size_t i = 1; i <= 6; ++i) {
        const bool blank = is_blank(record.choice_text[i]);
        if (!blank && filled + 1 != i)
            problems.push_back(
                QStringLiteral("in %1, choice %2 is filled but choice %3 before it is blank")
                    .arg(where, choice_letter(i), choice_letter(filled + 1)));
        if (!blank)
            filled = i;
        if (blank && record.choice_correct[i] == 1)
            problems.push_back(QStringLiteral("in %1, choice %2 is marked correct but is blank")
                                   .arg(where, choice_letter(i)));
    }
    const bool typed = is_typed_answer(record.question_type);
    const bool any_correct = std::count(record.choice_correct.begin() + 1,
                                        record.choice_correct.end(), std::int16_t{1}) > 0;
    if (typed && filled == 0)
        problems.push_back(
            QStringLiteral("%1 is a typed-answer question with no accepted answer").arg(where));
    if (!typed && !any_correct)
        problems.push_back(
            QStringLiteral("%1 is a multiple-choice question with no correct choice").arg(where));
}
