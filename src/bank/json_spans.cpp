#include "bank/json_spans.h"

#include <QStringDecoder>

#include <string_view>

namespace {

// Deeper than any bank needs; the list of open ones stays small.
constexpr std::size_t deepest = 512;

bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_hex(char c)
{
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Walks the text once, keeping only which lists and objects are open.
class SyntaxCheck {
public:
    explicit SyntaxCheck(QByteArrayView json) : json_(json) {}

    std::optional<JsonSyntaxError> run()
    {
        std::vector<char> open;
        at_ = json_skip_space(json_, 0);
        bool want_value = true;
        while (!error_) {
            if (want_value) {
                want_value = value(open);
                continue;
            }
            at_ = json_skip_space(json_, at_);
            if (open.empty()) {
                if (at_ < json_.size())
                    fail("more follows the JSON value");
                break;
            }
            const bool object = open.back() == '{';
            if (at_ < json_.size() && json_[at_] == (object ? '}' : ']')) {
                open.pop_back();
                ++at_;
            } else if (at_ == json_.size() || json_[at_] != ',') {
                fail(object ? "a comma or } is missing" : "a comma or ] is missing");
            } else {
                at_ = json_skip_space(json_, at_ + 1);
                want_value = !object || member_name();
            }
        }
        return error_;
    }

private:
    // Reads a scalar whole, or opens a list or an object; true while a value is still wanted.
    bool value(std::vector<char>& open)
    {
        if (at_ == json_.size())
            return fail("the text ends where a value belongs");
        const char c = json_[at_];
        if (c != '{' && c != '[') {
            scalar();
            return false;
        }
        if (open.size() == deepest)
            return fail("lists and objects nest more than 512 deep");
        open.push_back(c);
        at_ = json_skip_space(json_, at_ + 1);
        if (at_ < json_.size() && json_[at_] == (c == '{' ? '}' : ']')) {
            open.pop_back();
            ++at_;
            return false;
        }
        return c == '[' || member_name();
    }

    // A member's name and its colon, leaving the value next.
    bool member_name()
    {
        if (at_ == json_.size() || json_[at_] != '"')
            return fail("a member's name is missing");
        if (!text())
            return false;
        at_ = json_skip_space(json_, at_);
        if (at_ == json_.size() || json_[at_] != ':')
            return fail("a colon is missing after a member's name");
        at_ = json_skip_space(json_, at_ + 1);
        return true;
    }

    void scalar()
    {
        const char c = json_[at_];
        if (c == '"') {
            text();
            return;
        }
        if (c == '-' || is_digit(c)) {
            number();
            return;
        }
        for (const std::string_view word : {"true", "false", "null"}) {
            if (json_.sliced(at_).startsWith(QByteArrayView(word.data(), word.size()))) {
                at_ += static_cast<qsizetype>(word.size());
                return;
            }
        }
        fail("a value is missing");
    }

    bool text()
    {
        for (++at_; at_ < json_.size(); ++at_) {
            const auto c = static_cast<unsigned char>(json_[at_]);
            if (c == '"') {
                ++at_;
                return true;
            }
            if (c < 0x20)
                return fail("a control character stands unescaped in a text");
            if (c == '\\' && !escape())
                return false;
        }
        return fail("a text is not closed");
    }

    bool escape()
    {
        if (++at_ == json_.size())
            return fail("a text is not closed");
        if (json_[at_] == 'u') {
            for (int i = 0; i < 4; ++i) {
                if (++at_ == json_.size() || !is_hex(json_[at_]))
                    return fail("a \\u escape lacks its four hexadecimal digits");
            }
            return true;
        }
        if (std::string_view("\"\\/bfnrt").find(json_[at_]) == std::string_view::npos)
            return fail("a backslash starts no escape");
        return true;
    }

    void number()
    {
        if (json_[at_] == '-')
            ++at_;
        if (at_ < json_.size() && json_[at_] == '0')
            ++at_;
        else if (!digits())
            return;
        if (at_ < json_.size() && json_[at_] == '.') {
            ++at_;
            if (!digits())
                return;
        }
        if (at_ < json_.size() && (json_[at_] == 'e' || json_[at_] == 'E')) {
            ++at_;
            if (at_ < json_.size() && (json_[at_] == '+' || json_[at_] == '-'))
                ++at_;
            digits();
        }
    }

    bool digits()
    {
        if (at_ == json_.size() || !is_digit(json_[at_]))
            return fail("a number is written wrongly");
        while (at_ < json_.size() && is_digit(json_[at_]))
            ++at_;
        return true;
    }

    bool fail(const char* what)
    {
        error_ = JsonSyntaxError{QString::fromLatin1(what), at_ + 1};
        return false;
    }

    QByteArrayView json_;
    qsizetype at_ = 0;
    std::optional<JsonSyntaxError> error_;
};

// A quote ends the text unless an odd number of backslashes stands before it.
qsizetype text_end(QByteArrayView json, qsizetype at)
{
    for (qsizetype quote = json.indexOf('"', at + 1);; quote = json.indexOf('"', quote + 1)) {
        qsizetype backslashes = 0;
        while (json[quote - 1 - backslashes] == '\\')
            ++backslashes;
        if (backslashes % 2 == 0)
            return quote + 1;
    }
}

// Pairs of surrogates stand for one character; a half of one, which only an escape can write,
// becomes U+FFFD so that the text can be written out as UTF-8 again.
void mend_surrogates(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
}

} // namespace

std::optional<JsonSyntaxError> json_syntax_error(QByteArrayView json)
{
    return SyntaxCheck(json).run();
}

qsizetype json_skip_space(QByteArrayView json, qsizetype at)
{
    while (at < json.size() && is_space(json[at]))
        ++at;
    return at;
}

qsizetype json_value_end(QByteArrayView json, qsizetype at)
{
    const char first = json[at];
    if (first == '"')
        return text_end(json, at);
    if (first != '{' && first != '[') {
        while (at < json.size() && !is_space(json[at]) && json[at] != ',' && json[at] != ']' &&
               json[at] != '}')
            ++at;
        return at;
    }
    qsizetype depth = 0;
    for (;; ++at) {
        const char c = json[at];
        if (c == '"')
            at = text_end(json, at) - 1;
        else if (c == '{' || c == '[')
            ++depth;
        else if ((c == '}' || c == ']') && --depth == 0)
            return at + 1;
    }
}

JsonSpan json_root(QByteArrayView json)
{
    qsizetype end = json.size();
    while (end > 0 && is_space(json[end - 1]))
        --end;
    return {json_skip_space(json, 0), end};
}

JsonKind json_kind(QByteArrayView json, JsonSpan value)
{
    switch (json[value.begin]) {
    case '{':
        return JsonKind::Object;
    case '[':
        return JsonKind::List;
    case '"':
        return JsonKind::Text;
    case 't':
    case 'f':
    case 'n':
        return JsonKind::Other;
    default:
        return JsonKind::Number;
    }
}

JsonEntries json_entries(QByteArrayView json, JsonSpan list, std::size_t most)
{
    JsonEntries entries;
    qsizetype at = json_skip_space(json, list.begin + 1);
    while (json[at] != ']') {
        const qsizetype end = json_value_end(json, at);
        if (entries.kept.size() < most)
            entries.kept.push_back({at, end});
        ++entries.count;
        at = json_skip_space(json, end);
        if (json[at] == ',')
            at = json_skip_space(json, at + 1);
    }
    return entries;
}

QString json_text(QByteArrayView json, JsonSpan text)
{
    // A text may start with U+FEFF, which a decoder would take for a byte order mark and drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString raw = utf8.decode(json.sliced(text.begin + 1, text.end - text.begin - 2));
    if (!raw.contains(QLatin1Char('\\')))
        return raw;
    const QStringView source = raw;
    QString decoded;
    decoded.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] != QLatin1Char('\\')) {
            decoded += source[i];
            continue;
        }
        switch (const char16_t escaped = source[++i].unicode()) {
        case u'b':
            decoded += QChar(u'\b');
            break;
        case u'f':
            decoded += QChar(u'\f');
            break;
        case u'n':
            decoded += QChar(u'\n');
            break;
        case u'r':
            decoded += QChar(u'\r');
            break;
        case u't':
            decoded += QChar(u'\t');
            break;
        case u'u':
            decoded += QChar(source.sliced(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
            break;
        default:
            decoded += QChar(escaped);
        }
    }
    mend_surrogates(decoded);
    return decoded;
}

double json_number(QByteArrayView json, JsonSpan number)
{
    return json.sliced(number.begin, number.end - number.begin).toByteArray().toDouble();
}
