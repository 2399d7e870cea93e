#pragma once

#include <QStringView>

#include <vector>

// The lines of a text, ended by LF, CR LF or a lone CR; a last line without an end counts too.
std::vector<QStringView> text_lines(QStringView text);
