#pragma once

#include "bank/question_record.h"

#include <QString>

inline constexpr int chapter_count = 10;

// "Chapter 3: IP addressing and subnetting"; chapter 1 to chapter_count.
QString chapter_title(int chapter);
// "Chapter 3" of a chapter's title; a bank file's topic stays whole.
QString short_group_name(const QString& group);
// The chapter of a built-in record: the one its explanation's opening citation names, or for
// an uncited record the one it was filed under by hand; 0 when it has neither.
int built_in_chapter(int number, const QuestionRecord& record);
