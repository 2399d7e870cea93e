#pragma once

#include "bank/record_check.h"

// The questions of a GIFT text: multiple choice (one or several right), true/false, short answer
// and missing word become records; numerical, matching and essay questions, and any question
// that breaks a record's rules, become problems naming the question and its first line.
TextQuestions read_gift(const QString& text);
