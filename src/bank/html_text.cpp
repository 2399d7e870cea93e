#include "bank/html_text.h"

#include <QRegularExpression>

#include <optional>
#include <utility>

bool looks_like_html(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text[i + 1];
        if (text[i] == QLatin1Char('<') &&
            (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!')) &&
            text.indexOf(QLatin1Char('>'), i) > 0)
            return true;
        if (text[i] == QLatin1Char('&') && (next.isLetter() || next == QLatin1Char('#')) &&
            text.indexOf(QLatin1Char(';'), i) > 0)
            return true;
    }
    return false;
}

QString html_to_text(const QString& html)
{
    static const std::pair<QLatin1String, QLatin1String> entities[] = {
        {QLatin1String("amp"), QLatin1String("&")},  {QLatin1String("lt"), QLatin1String("<")},
        {QLatin1String("gt"), QLatin1String(">")},   {QLatin1String("quot"), QLatin1String("\"")},
        {QLatin1String("apos"), QLatin1String("'")}, {QLatin1String("nbsp"), QLatin1String(" ")}};
    static const QRegularExpression breaking(
        QStringLiteral("^/?(br|p|div|li|tr|h[1-6]|pre|blockquote|ul|ol|table)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QString text;
    text.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == QLatin1Char('<')) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0) {
                text += html.mid(i);
                break;
            }
            const QString tag = html.mid(i + 1, end - i - 1).trimmed();
            if (breaking.match(tag).hasMatch() && !text.endsWith(QLatin1Char('\n')))
                text += QLatin1Char('\n');
            i = end;
            continue;
        }
        const qsizetype semicolon = c == QLatin1Char('&') ? html.indexOf(QLatin1Char(';'), i) : -1;
        if (semicolon > i + 1 && semicolon - i <= 10) {
            const QString name = html.mid(i + 1, semicolon - i - 1);
            std::optional<QString> decoded;
            if (name.startsWith(QLatin1Char('#'))) {
                bool number = false;
                const bool hex = name.size() > 1 && name[1].toLower() == QLatin1Char('x');
                const uint code = name.mid(hex ? 2 : 1).toUInt(&number, hex ? 16 : 10);
                const char32_t character = code;
                if (number && code > 0 && code <= 0x10FFFF)
                    decoded = QString::fromUcs4(&character, 1);
            }
            for (const auto& [entity, character] : entities) {
                if (name == entity)
                    decoded = QString(character);
            }
            if (decoded) {
                text += *decoded;
                i = semicolon;
                continue;
            }
        }
        text += c;
    }
    return text;
}
