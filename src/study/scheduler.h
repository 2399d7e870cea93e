#pragma once

#include <QDate>

// When a question is next due, by SM-2: P. A. Wozniak, "Optimization of learning", master's
// thesis, University of Technology in Poznan, 1990, section 3.2, published by SuperMemo as
// "Algorithm SM-2" (https://super-memory.com/english/ol/sm2.htm).
//
// A reply here is right or wrong, where SM-2 grades 0 to 5. Right is 4, "correct response after
// a hesitation": a choice recognised is not a perfect recall, and 4 leaves the E-Factor as it is,
// so a guess does not stretch the intervals. Wrong is 1, "incorrect response; the correct one
// remembered": the program shows the right answer, and 0 (a complete blackout) would punish a
// slip as hard as knowing nothing. Below 3, repetitions start again from the first interval, and
// below 4 the item is repeated the same day: a wrong answer makes the question due today. The
// E-Factor changes after every counted answer, wrong ones too; "without changing the E-Factor"
// is read as: starting again keeps it rather than going back to 2.5.
struct ReviewState {
    int repetitions = 0; // right in a row since the last wrong answer
    int easiness = 250;  // the E-Factor in hundredths: 2.5, never below 1.3
    int interval = 0;    // days from the last counted answer to `due`
    QDate due;           // null: never seen
};

// The state after one more answer, given on `day`. SM-2 assumes each item is repeated on its due
// day; a right answer before that day (a quiz the student chose) leaves the state as it was, while
// a wrong one always counts.
ReviewState next_review(const ReviewState& state, bool right, QDate day);
