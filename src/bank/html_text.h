#pragma once

#include <QString>

// Whether a text in Moodle's own format holds HTML: a tag or an entity.
bool looks_like_html(const QString& text);
// A piece of HTML as the text a reader sees: tags dropped, line and paragraph breaks kept,
// entities decoded.
QString html_to_text(QString html);
