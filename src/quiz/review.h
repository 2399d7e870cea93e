#pragma once

#include "quiz/attempt.h"

#include <QString>

#include <vector>

class QuestionBank;

// One graded question as the review lists it.
struct ReviewRow {
    QString position; // "12"
    QString qid;      // "45"
    bool right = false;
    QString reply;  // the letters pressed ("BD"), or the text typed in quotes
    QString answer; // the right letters, or the accepted answers
    QString spoken; // all of the above in a sentence, for screen readers
};

ReviewRow review_row(const GradedQuestion& graded, const QuestionBank& questions);

// The selected question in full, with CR LF line breaks: the question, every choice as it was
// shown with the pressed and the right ones marked (or the typed text and the accepted
// answers), the explanation and the answer note.
QString review_detail(const GradedQuestion& graded, const QuestionBank& questions);

// What the review is of and how it went: "Quiz #2, retake 1: 3 of 5 right, 60%", then how it
// ended when it ended early: "; Quit Test after 5 of 56 questions".
QString attempt_heading(const Attempt& attempt);

// The letters of the display positions whose flag is set, in order: "BD".
QString letters_of(const ChoiceFlags& flags);

// Where a question's score counts: its topic, or for a built-in record its chapter; "Other" when
// it has neither. `chapter` is 0 unless the group is a chapter.
struct QuestionGroup {
    QString name;
    int chapter = 0;
};

QuestionGroup group_of(const QuestionBank& questions, int qid);
// Where a group's score stands: chapters in the book's order, then topics in the order they
// were met (`order_met` counts up from 0), "Other" last.
int group_rank(const QuestionGroup& group, int order_met);

struct GroupScore {
    QString name;
    int right = 0;
    int asked = 0;
};

// One entry per group asked: built-in chapters in the book's order, topics in the order first
// asked, "Other" last.
std::vector<GroupScore> group_scores(const std::vector<GradedQuestion>& graded,
                                     const QuestionBank& questions);
