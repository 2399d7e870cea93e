#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// The formats a GIFT or Moodle XML text may be written in.
enum class TextFormat { Moodle, Html, Plain, Markdown };

// A text of a file as the record holds it: HTML (and Moodle's own format when it holds tags or
// entities) read as a reader sees it, plain text and Markdown as written; trimmed, with CR LF
// line breaks. `kept_break` as for html_to_text.
QString record_text(QStringView text, TextFormat format,
                    const std::function<bool(qsizetype)>& kept_break = {});

// Whether a text in Moodle's own format holds HTML: a tag or an entity.
bool looks_like_html(QStringView text);

// HTML as the text a reader sees: tags dropped, entities decoded, <br> a line break, a paragraph
// set off by a blank line, <pre> keeping its lines. With `collapse`, as in HTML proper, a run of
// white space is one space outside <pre>; a line break at a place where `kept_break` says so stays
// one all the same (a GIFT file's escaped \n).
QString html_to_text(QStringView html, bool collapse,
                     const std::function<bool(qsizetype)>& kept_break = {});
