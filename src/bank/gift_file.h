#pragma once

#include "bank/record_check.h"

// The questions of a GIFT text: multiple choice (one or several right), true/false, short answer
// and missing word become records; numerical, matching and essay questions, and any question
// that breaks a record's rules, become problems naming the question and its first line.
TextQuestions read_gift(const QString& text);

// A piece of HTML as the text a reader sees: tags dropped, line and paragraph breaks kept,
// entities decoded.
QString html_to_text(const QString& html);
