#pragma once

#include "quiz/attempt.h"

#include <QString>
#include <QStringList>

class QuestionBank;

// A review as a document to print or save: its heading, the score of each chapter, and every
// question answered wrong in full, with what was answered and the explanation. Rich text (HTML)
// with the texts escaped.
QString review_report(const Attempt& attempt, const QuestionBank& questions);

// One line of comma-separated values as spreadsheets read them (RFC 4180): a field that holds a
// comma, a quote or a line break is quoted, its quotes doubled; the line ends in CR LF.
QString csv_line(const QStringList& fields);

// The text as rich text: escaped, its line breaks kept.
QString rich_text(const QString& text);
// A row of a rich-text table, each cell's text escaped; "th" for a heading row.
QString table_row(const QStringList& cells, const char* tag = "td");
