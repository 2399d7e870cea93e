#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// A JSON text read in place: a value is the span of bytes that writes it, and only the values
// asked for are ever decoded. A file of millions of values costs no more memory than its bytes.

// The bytes [begin, end) of one value.
struct JsonSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
};

struct JsonSyntaxError {
    QString what;
    qsizetype byte = 0; // counted from 1
};

// Why the bytes are not exactly one JSON value, or nothing when they are. One pass, nothing built.
std::optional<JsonSyntaxError> json_syntax_error(QByteArrayView json);

// The rest reads a text that json_syntax_error accepts.

// The whole text's value.
JsonSpan json_root(QByteArrayView json);

enum class JsonKind { Object, List, Text, Number, Other };
JsonKind json_kind(QByteArrayView json, JsonSpan value);

// The first `most` entries of a list, and how many it has.
struct JsonEntries {
    std::vector<JsonSpan> kept;
    qsizetype count = 0;
};
JsonEntries json_entries(QByteArrayView json, JsonSpan list, std::size_t most);

// Calls `visit(name, value)` for each member of an object, in order.
template <class Visit>
void for_each_member(QByteArrayView json, JsonSpan object, Visit&& visit);

QString json_text(QByteArrayView json, JsonSpan text);
double json_number(QByteArrayView json, JsonSpan number);

// Where the value that starts at `at` ends.
qsizetype json_value_end(QByteArrayView json, qsizetype at);
qsizetype json_skip_space(QByteArrayView json, qsizetype at);

template <class Visit>
void for_each_member(QByteArrayView json, JsonSpan object, Visit&& visit)
{
    qsizetype at = json_skip_space(json, object.begin + 1);
    while (json[at] == '"') {
        const JsonSpan name{at, json_value_end(json, at)};
        const qsizetype value = json_skip_space(json, json_skip_space(json, name.end) + 1);
        const JsonSpan span{value, json_value_end(json, value)};
        visit(name, span);
        at = json_skip_space(json, span.end);
        if (json[at] == ',')
            at = json_skip_space(json, at + 1);
    }
}
