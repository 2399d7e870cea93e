#pragma once

#include "bank/record_check.h"

// Aiken is told from GIFT by a line that starts with "ANSWER:" and no brace anywhere: every GIFT
// question holds its answers in braces.
bool looks_like_aiken(const QString& text);

// The questions of an Aiken text: a question line, choices "A." or "A)" up to F, and
// "ANSWER: X". A question that breaks the form or a record's rules is a problem naming its line.
TextQuestions read_aiken(const QString& text);
