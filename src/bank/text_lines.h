#pragma once

#include <QString>
#include <QStringView>

// Calls `visit` with each line of the text, ended by LF, CR LF or a lone CR; a last line without
// an end counts too. Nothing is gathered, so a text of many short lines costs no memory.
template <class Visit>
void for_each_line(QStringView text, Visit&& visit)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        visit(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        visit(text.sliced(start));
}

// A line without the characters a text format's reader trims from each end: spaces, tabs, NUL
// and vertical tabs. Other white space, such as a no-break space, is the line's own.
inline QStringView trim_line(QStringView line)
{
    const auto trimmed = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(u'\0') ||
               c == QLatin1Char('\v');
    };
    while (!line.isEmpty() && trimmed(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && trimmed(line.back()))
        line.chop(1);
    return line;
}

// The text with each line break, LF or CR LF, written CR LF as records hold them. Written into
// room made once: QString::replace moves the rest of the text again for each thousand breaks it
// changes, which makes a text of millions of breaks take minutes.
inline QString with_crlf(QStringView text)
{
    QString result(text.size() + text.count(QLatin1Char('\n')), Qt::Uninitialized);
    QChar* out = result.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r')))
            *out++ = QLatin1Char('\r');
        *out++ = text[i];
    }
    result.truncate(out - result.data());
    return result;
}
