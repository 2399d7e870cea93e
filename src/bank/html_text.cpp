#include "bank/html_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

bool looks_like_html(const QString& text)
{
    // A tag needs a > after it and an entity a ; after it: found once, not again at every < or &.
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

// The character an entity's name stands for: a named one of HTML's or a number.
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
    if (!name.startsWith(u'#'))
        return std::nullopt;
    bool number = false;
    const bool hex = name.size() > 1 && name[1].toLower() == u'x';
    const uint code = name.sliced(hex ? 2 : 1).toUInt(&number, hex ? 16 : 10);
    // A surrogate is half of a character and could not be written out as UTF-8.
    if (!number || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return static_cast<char32_t>(code);
}

// Whether a tag, the text between < and >, opens or closes a block, which starts a line.
bool breaks_line(QStringView tag)
{
    static const std::string_view blocks[] = {"br", "p",  "div",   "li",        "tr", "h1",
                                              "h2", "h3", "h4",    "h5",        "h6", "pre",
                                              "ul", "ol", "table", "blockquote"};
    while (!tag.isEmpty() && tag.front().isSpace())
        tag = tag.sliced(1);
    if (tag.startsWith(u'/'))
        tag = tag.sliced(1);
    // The name, in lower case: the ASCII letters, digits and underscores up to anything else.
    std::array<char, 10> name{};
    std::size_t length = 0;
    for (const QChar c : tag) {
        const char16_t u = c.unicode();
        const char16_t lower = u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u;
        if (!((lower >= u'a' && lower <= u'z') || (u >= u'0' && u <= u'9') || u == u'_'))
            break;
        if (length == name.size())
            return false;
        name[length++] = static_cast<char>(lower);
    }
    return std::find(std::begin(blocks), std::end(blocks), std::string_view(name.data(), length)) !=
           std::end(blocks);
}

} // namespace

QString html_to_text(QString html)
{
    // The text is never longer than the HTML read so far: a tag gives one line break at most, an
    // entity one character, which takes no more room than its name. So it is written over the HTML
    // as it is read, in the room the HTML has.
    QChar* const begin = html.data();
    const QStringView source(html);
    QChar* out = begin;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        // Tags are short: the search is written out, as a call would cost more than it finds.
        const qsizetype close =
            c == u'<' ? std::find(source.begin() + i, source.end(), u'>') - source.begin() : -1;
        if (close > i && close < source.size()) {
            if (breaks_line(source.sliced(i + 1, close - i - 1)) &&
                (out == begin || out[-1] != u'\n'))
                *out++ = u'\n';
            i = close;
            continue;
        }
        if (c == u'<') {
            out = out == begin + i ? html.end() : std::copy(source.begin() + i, source.end(), out);
            break;
        }
        // An entity's name is short: looking further for its ; would read the text again and
        // again.
        const QStringView name = c == u'&'
                                     ? source.sliced(i, std::min<qsizetype>(11, source.size() - i))
                                     : QStringView();
        const qsizetype semicolon = std::find(name.begin(), name.end(), u';') - name.begin();
        if (const std::optional<char32_t> decoded = semicolon > 1 && semicolon < name.size()
                                                        ? entity(name.sliced(1, semicolon - 1))
                                                        : std::nullopt) {
            const auto character = QChar::fromUcs4(*decoded);
            out = std::copy(character.begin(), character.end(), out);
            i += semicolon;
            continue;
        }
        *out++ = c;
    }
    html.truncate(out - begin);
    return html;
}
