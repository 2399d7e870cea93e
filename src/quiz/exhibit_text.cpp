#include "quiz/exhibit_text.h"

#include "bank/text_lines.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes keep their
// C1 control code points, as the Windows converter does.
constexpr std::array<char16_t, 32> windows_1252_high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode_windows_1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code <= 0x9F) {
            *out++ = QChar(windows_1252_high[code - 0x80]);
        } else {
            *out++ = QChar(static_cast<char16_t>(code));
        }
    }
    return text;
}

QString decode_file_text(const QByteArray& bytes)
{
    // Stateless, so that a multi-byte sequence cut off at the end counts as invalid instead of
    // being held back silently.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return decode_windows_1252(bytes);
}

} // namespace

QString exhibit_text(const QByteArray& bytes)
{
    const QString text = decode_file_text(bytes);
    QString shown;
    shown.reserve(text.size() + 2);
    // A lone LF ends a line too, since a Unix text file would otherwise show as one line.
    for_each_line(text, [&shown](QStringView line) {
        shown += line;
        shown += u"\r\n";
    });
    return shown;
}
