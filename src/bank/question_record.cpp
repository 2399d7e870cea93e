#include "bank/question_record.h"

QString trim_spaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

bool is_blank(const QString& text)
{
    return trim_spaces(text).isEmpty();
}

QString choice_letter(std::size_t choice)
{
    return QChar(u'A' + static_cast<int>(choice) - 1);
}

bool is_typed_answer(const QString& question_type)
{
    return question_type.left(4).toUpper() == QLatin1String("FILL");
}
