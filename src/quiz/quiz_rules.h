#pragma once

#include "bank/question_record.h"

#include <QString>

#include <array>
#include <cstdint>

class RandomSource;

inline constexpr std::int16_t answer_right = 1;
inline constexpr std::int16_t answer_wrong = 99;

// Entries 1 to 6 by display position; entry 0 is unused.
using ChoiceFlags = std::array<bool, 7>;
using QuestionOrder = std::array<std::int16_t, 201>;
using ChoiceOrder = std::array<std::int16_t, 7>;

// A sign position (a space for zero and positive values) followed by the digits: " 9", "-3".
QString number_text(int value);
// Integer part of right / total * 100 in double precision; 0 when total <= 0.
int percent_right(int right, int total);
// (1 - right / total) * full_height; full_height when total <= 0.
float gauge_height(int right, int total, float full_height);
// The red bar is hidden when it is lower than 20 units.
bool gauge_shown(float height);
// Number of non-blank choice texts 1 to 6.
int count_choices(const QuestionRecord& record);
// The positions that show a choice to press: the non-blank ones; none for a typed answer.
ChoiceFlags visible_choices_of(const QuestionRecord& record);
// Fills entries 1..n with 1..n, then shuffles if asked; entry 0 and entries above n untouched.
// n must be 0..200 (values outside are clamped).
void build_question_order(QuestionOrder& order, int n, bool shuffle, RandomSource& random);
// Entry i is the stored choice shown at display position i; positions above choice_count keep
// their own number.
ChoiceOrder choice_order(int choice_count, bool shuffle, RandomSource& random);
// Copy of source with choice_text/choice_correct 1..6 rearranged: position i gets source's
// order[i].
QuestionRecord arrange_choices(const QuestionRecord& source, const ChoiceOrder& order);
// answer_right when the pressed set equals the correct set among the visible positions.
std::int16_t grade_choices(const QuestionRecord& current, const ChoiceFlags& visible,
                           const ChoiceFlags& pressed);
// answer_right when typed matches a non-blank accepted answer, ignoring case and outer spaces.
std::int16_t grade_typed(const QuestionRecord& current, const QString& typed);
// The feedback window's text, with CR LF line breaks.
QString feedback_text(std::int16_t answer_status, const QuestionRecord& current,
                      const ChoiceFlags& visible);
// The end-of-test message, with LF line breaks; a total of 0 gives percent 0. A quiz that ran
// out of time says so first.
QString summary_text(int right, int total, bool time_ran_out = false);
