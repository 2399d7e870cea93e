#include "quiz/quiz_rules.h"

#include "bank/question_bank.h"
#include "quiz/random_source.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int max_choices = 6;
constexpr float gauge_minimum_height = 20.0F;
const QString crlf = QStringLiteral("\r\n");

} // namespace

QString number_text(int value)
{
    if (value < 0) {
        return QString::number(value);
    }
    return QLatin1Char(' ') + QString::number(value);
}

int percent_right(int right, int total)
{
    if (total <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(right) / total * 100.0);
}

float gauge_height(int right, int total, float full_height)
{
    if (total <= 0) {
        return full_height;
    }
    const double wrong_share = 1.0 - static_cast<double>(right) / total;
    return static_cast<float>(wrong_share * static_cast<double>(full_height));
}

bool gauge_shown(float height)
{
    return height >= gauge_minimum_height;
}

int count_choices(const QuestionRecord& record)
{
    int count = 0;
    for (int i = 1; i <= max_choices; ++i) {
        if (!is_blank(record.choice_text[i])) {
            ++count;
        }
    }
    return count;
}

ChoiceFlags visible_choices_of(const QuestionRecord& record)
{
    ChoiceFlags visible{};
    if (is_typed_answer(record.question_type))
        return visible;
    for (int i = 1; i <= max_choices; ++i)
        visible[i] = !is_blank(record.choice_text[i]);
    return visible;
}

void build_question_order(QuestionOrder& order, int n, bool shuffle, RandomSource& random)
{
    n = std::clamp(n, 0, max_quiz_length);
    for (int j = 1; j <= n; ++j) {
        order[j] = static_cast<std::int16_t>(j);
    }
    if (!shuffle) {
        return;
    }
    // The product in double: in float, a value just below 1 times n could round up to n, past the
    // last position.
    const double count = static_cast<double>(static_cast<float>(n));
    for (int i = 1; i <= n; ++i) {
        const double x = static_cast<double>(random.next());
        const int r = std::clamp(static_cast<int>(count * x + 1.0), 1, n);
        std::swap(order[i], order[r]);
    }
}

ChoiceOrder choice_order(int choice_count, bool shuffle, RandomSource& random)
{
    ChoiceOrder order{};
    for (int i = 1; i <= max_choices; ++i) {
        order[i] = static_cast<std::int16_t>(i);
    }
    if (!shuffle) {
        return order;
    }
    // Not an even shuffle, and meant so: every position swaps with one drawn from all n, not from
    // i to n, the scheme the question order uses too. Keep it, so that a seed gives the letters it
    // always gave. u < 1, so u * n truncated is 0 to n - 1 and r is 1 to n; the clamp only guards.
    const int n = std::clamp(choice_count, 0, max_choices);
    for (int i = 1; i <= n; ++i) {
        const double u = static_cast<double>(random.next());
        const int r = std::clamp(static_cast<int>(u * n) + 1, 1, n);
        std::swap(order[i], order[r]);
    }
    return order;
}

QuestionRecord arrange_choices(const QuestionRecord& source, const ChoiceOrder& order)
{
    QuestionRecord arranged = source;
    for (int i = 1; i <= max_choices; ++i) {
        // An entry outside 1..6 would index past the record, so that position keeps its own choice.
        const int from = (order[i] >= 1 && order[i] <= max_choices) ? order[i] : i;
        arranged.choice_text[i] = source.choice_text[from];
        arranged.choice_correct[i] = source.choice_correct[from];
    }
    return arranged;
}

std::int16_t grade_choices(const QuestionRecord& current, const ChoiceFlags& visible,
                           const ChoiceFlags& pressed)
{
    std::int16_t status = answer_right;
    for (int i = 1; i <= max_choices; ++i) {
        if (!visible[i]) {
            continue;
        }
        const std::int16_t pressed_flag = pressed[i] ? 1 : 0;
        if (pressed_flag != current.choice_correct[i]) {
            status = answer_wrong;
        }
    }
    return status;
}

std::int16_t grade_typed(const QuestionRecord& current, const QString& typed)
{
    const QString answer = trim_spaces(typed.toUpper());
    for (int i = 1; i <= max_choices; ++i) {
        const QString accepted = trim_spaces(current.choice_text[i].toUpper());
        if (!accepted.isEmpty() && accepted == answer) {
            return answer_right;
        }
    }
    return answer_wrong;
}

QString feedback_text(std::int16_t answer_status, const QuestionRecord& current,
                      const ChoiceFlags& visible)
{
    QString text;
    text.reserve(256 + current.question_text.size() + current.explanation.size() +
                 current.answer_note.size());
    if (answer_status == answer_right) {
        text += QLatin1String("Great Job.") + crlf + QLatin1String("The answer(s): ");
    } else {
        text += QLatin1String("Incorrect.") + crlf + QLatin1String("The correct answer(s): ");
    }

    if (is_typed_answer(current.question_type)) {
        text += current.choice_text[1];
        text += crlf + crlf + current.question_text;
    } else {
        for (int i = 1; i <= max_choices; ++i) {
            if (current.choice_correct[i] == 1) {
                text += QLatin1Char(' ');
                text += choice_letter(i);
            }
        }
        text += crlf + crlf + current.question_text;
        for (int i = 1; i <= max_choices; ++i) {
            if (visible[i]) {
                text += crlf;
                text += choice_letter(i);
                text += QLatin1String(".)  ") + current.choice_text[i];
            }
        }
    }

    text += crlf + crlf + current.explanation + crlf + current.answer_note;
    return text;
}

QString summary_text(int right, int total, bool time_ran_out)
{
    const int percent = percent_right(right, total);
    QString text = time_ran_out ? QStringLiteral("Time is up.\n\n") : QString();
    text += QLatin1String("You have completed the test\n\n Right/Total  = ");
    text += number_text(right) + QLatin1Char('/') + number_text(total) + QLatin1Char('\n');
    text += QLatin1String("Percent Right = ") + number_text(percent) + QLatin1String("%\n\n");
    if (percent == 100) {
        text += QLatin1String("Congratulations, try a different test");
    } else {
        text += QLatin1String("Take this test until you get 100%");
    }
    return text;
}
