#include "bank/html_text.h"

#include "bank/text_lines.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

// A tag or an entity needs its closing > or ; somewhere after it; where the last one stands is
// found once, so that the text is read once.
bool looks_like_html(QStringView text)
{
    const qsizetype last_close = text.lastIndexOf(QLatin1Char('>'));
    const qsizetype last_semicolon = text.lastIndexOf(QLatin1Char(';'));
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar next = text[i + 1];
        if (text[i] == QLatin1Char('<') && last_close > i &&
            (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!')))
            return true;
        if (text[i] == QLatin1Char('&') && last_semicolon > i &&
            (next.isLetter() || next == QLatin1Char('#')))
            return true;
    }
    return false;
}

namespace {

std::optional<char32_t> entity(QStringView name)
{
    static const std::pair<QLatin1String, char32_t> named[] = {
        {QLatin1String("amp"), U'&'},   {QLatin1String("lt"), U'<'},
        {QLatin1String("gt"), U'>'},    {QLatin1String("quot"), U'"'},
        {QLatin1String("apos"), U'\''}, {QLatin1String("nbsp"), U' '}};
    for (const auto& [entity, character] : named) {
        if (name == entity)
            return character;
    }
    if (!name.startsWith(QLatin1Char('#')))
        return std::nullopt;
    bool number = false;
    const bool hex = name.size() > 1 && name[1].toLower() == QLatin1Char('x');
    const uint code = name.mid(hex ? 2 : 1).toUInt(&number, hex ? 16 : 10);
    // A surrogate is half of a character and could not be written out as UTF-8.
    if (!number || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return static_cast<char32_t>(code);
}

// Line breaks as the HTML lays them out: <br> one, a paragraph set off by a blank line, other
// blocks on lines of their own. No line ends in a space.
void break_line(QString& text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    text += QLatin1Char('\n');
}

void end_line(QString& text)
{
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        break_line(text);
}

void end_paragraph(QString& text)
{
    end_line(text);
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\n\n")))
        text += QLatin1Char('\n');
}

// What a tag does to the text around it, told by its name.
void apply_tag(QStringView tag, QString& text, bool& in_pre)
{
    static const QLatin1String blocks[] = {
        QLatin1String("div"),       QLatin1String("li"), QLatin1String("tr"),
        QLatin1String("h1"),        QLatin1String("h2"), QLatin1String("h3"),
        QLatin1String("h4"),        QLatin1String("h5"), QLatin1String("h6"),
        QLatin1String("ul"),        QLatin1String("ol"), QLatin1String("table"),
        QLatin1String("blockquote")};
    const bool closing = tag.startsWith(QLatin1Char('/'));
    qsizetype end = closing ? 1 : 0;
    while (end < tag.size() && tag[end].isLetterOrNumber())
        ++end;
    const QStringView name = tag.sliced(closing ? 1 : 0, end - (closing ? 1 : 0));
    const auto is = [name](QLatin1String known) {
        return name.compare(known, Qt::CaseInsensitive) == 0;
    };
    if (is(QLatin1String("br"))) {
        break_line(text);
    } else if (is(QLatin1String("p"))) {
        end_paragraph(text);
    } else if (is(QLatin1String("pre"))) {
        end_line(text);
        in_pre = !closing;
    } else if (std::any_of(std::begin(blocks), std::end(blocks), is)) {
        end_line(text);
    }
}

} // namespace

QString html_to_text(QStringView source, bool collapse,
                     const std::function<bool(qsizetype)>& kept_break)
{
    const qsizetype last_close = source.lastIndexOf(QLatin1Char('>'));
    QString text;
    text.reserve(source.size());
    bool in_pre = false;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == QLatin1Char('<') && i < last_close) {
            const qsizetype end = source.indexOf(QLatin1Char('>'), i);
            const bool was_in_pre = in_pre;
            apply_tag(source.sliced(i + 1, end - i - 1).trimmed(), text, in_pre);
            i = end;
            // As in HTML, a line break just after <pre> only starts its first line.
            if (in_pre && !was_in_pre && i + 1 < source.size() &&
                source[i + 1] == QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('&')) {
            // An entity's name is short: looking further would read the text again and again.
            const qsizetype semicolon = source.sliced(i, std::min<qsizetype>(12, source.size() - i))
                                            .indexOf(QLatin1Char(';'));
            if (const std::optional<char32_t> decoded =
                    semicolon > 1 ? entity(source.sliced(i + 1, semicolon - 1)) : std::nullopt) {
                text += QStringView(QChar::fromUcs4(*decoded));
                i += semicolon;
                continue;
            }
        }
        const bool line_break = c == QLatin1Char('\n') && kept_break && kept_break(i);
        if (collapse && !in_pre && c.isSpace() && !line_break) {
            if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')) &&
                !text.endsWith(QLatin1Char('\n')))
                text += QLatin1Char(' ');
            continue;
        }
        text += c;
    }
    return text;
}

QString record_text(QStringView text, TextFormat format,
                    const std::function<bool(qsizetype)>& kept_break)
{
    if (format == TextFormat::Html || (format == TextFormat::Moodle && looks_like_html(text)))
        return with_crlf(html_to_text(text, format == TextFormat::Html, kept_break).trimmed());
    return with_crlf(text.trimmed());
}
