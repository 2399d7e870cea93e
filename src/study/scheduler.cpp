#include "study/scheduler.h"

#include <algorithm>

namespace {

constexpr int grade_right = 4;
constexpr int grade_wrong = 1;
constexpr int lowest_easiness = 130;

// EF' = EF + (0.1 - (5 - q) * (0.08 + (5 - q) * 0.02)), in hundredths.
int easiness_after(int easiness, int grade)
{
    const int miss = 5 - grade;
    return std::max(easiness + 10 - miss * (8 + miss * 2), lowest_easiness);
}

} // namespace

ReviewState next_review(const ReviewState& state, bool right, QDate day)
{
    if (right && state.due.isValid() && day < state.due)
        return state;
    ReviewState next = state;
    next.easiness = easiness_after(state.easiness, right ? grade_right : grade_wrong);
    if (!right) {
        next.repetitions = 0;
        next.interval = 0;
        next.due = day;
        return next;
    }
    ++next.repetitions;
    // I(1) = 1, I(2) = 6, I(n) = I(n - 1) * EF, a fraction rounded up.
    if (next.repetitions == 1)
        next.interval = 1;
    else if (next.repetitions == 2)
        next.interval = 6;
    else
        next.interval = (state.interval * next.easiness + 99) / 100;
    next.due = day.addDays(next.interval);
    return next;
}
