#pragma once

#include <QByteArray>
#include <QString>

// The text an exhibit window shows for a file's bytes: every line (ended by CR LF, a lone CR or a
// lone LF; the last line may lack a terminator) followed by CR LF. Bytes that are valid UTF-8
// decode as UTF-8, anything else as Windows-1252. An empty input gives an empty text.
QString exhibit_text(const QByteArray& bytes);
