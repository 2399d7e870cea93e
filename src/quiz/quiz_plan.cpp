#include "quiz/quiz_plan.h"

namespace {

// Quiz k of the four the bank divides into: records k, k + 4, k + 8, ..., `length` of them.
std::vector<std::int16_t> built_in_quiz(int k, int length)
{
    std::vector<std::int16_t> records;
    for (int j = 1; j <= length; ++j)
        records.push_back(static_cast<std::int16_t>((j - 1) * 4 + k));
    return records;
}

} // namespace

QuizPlan built_in_plan(const QuizOptions& options, int length, int minutes)
{
    return {QStringLiteral("Quiz #%1").arg(options.quiz_choice), 0,
            built_in_quiz(options.quiz_choice, length), options, minutes * 60};
}

QString plan_title(const QuizPlan& plan)
{
    if (plan.retake == 0)
        return plan.name;
    return QStringLiteral("%1, retake %2").arg(plan.name).arg(plan.retake);
}
