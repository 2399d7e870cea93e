#include "quiz/attempt.h"

#include <algorithm>

int Attempt::right_count() const
{
    return static_cast<int>(std::ranges::count_if(graded, &GradedQuestion::right));
}

std::vector<std::int16_t> Attempt::not_yet_right() const
{
    std::vector<std::int16_t> records;
    for (const std::int16_t record : plan.records) {
        const bool right = std::ranges::any_of(graded, [record](const GradedQuestion& question) {
            return question.qid == record && question.right();
        });
        if (!right)
            records.push_back(record);
    }
    return records;
}

QString attempt_summary(const Attempt& attempt)
{
    return summary_text(attempt.right_count(), static_cast<int>(attempt.graded.size()),
                        attempt.end == QuizEnd::TimeUp);
}

QuizPlan retake_plan(const Attempt& attempt)
{
    QuizPlan retake = attempt.plan;
    retake.retake = attempt.plan.retake + 1;
    retake.records = attempt.not_yet_right();
    const auto asked = static_cast<long long>(attempt.plan.records.size());
    if (asked > 0) {
        // Rounded up: a limit never drops to nothing.
        const long long share =
            attempt.plan.time_limit * static_cast<long long>(retake.records.size());
        retake.time_limit = static_cast<int>((share + asked - 1) / asked);
    }
    return retake;
}
