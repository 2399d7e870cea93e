#include "quiz/quiz.h"

#include "bank/question_bank.h"
#include "quiz/random_source.h"

#include <algorithm>

Quiz running_quiz{quiz_state, quiz_options, random_source, bank};

Quiz::Quiz(QuizState& state, QuizOptions& options, RandomSource& random,
           const QuestionBank& questions)
    : state_(state), options_(options), random_(random), bank_(questions)
{
}

void Quiz::begin(int length)
{
    length_ = std::clamp(length, 0, max_quiz_length);
    state_.current_qid = 0;
    state_.current_question = 0;
    state_.right_count = 0;
    graded_.clear();
}

void Quiz::start()
{
    random_.reseed_from_clock();
    build_question_order(state_.question_order, state_.questions_per_quiz,
                         options_.shuffle_questions == 1, random_);
    state_.quiz_number = options_.quiz_choice;
    begin(state_.questions_per_quiz);
}

void Quiz::start_retake(const std::vector<std::int16_t>& qids)
{
    random_.reseed_from_clock();
    const int n = std::min(static_cast<int>(qids.size()), max_quiz_length);
    QuestionOrder picks{};
    build_question_order(picks, n, options_.shuffle_questions == 1, random_);
    // Every record of quiz k is (j - 1) * 4 + k, so the order keeps holding places in the quiz.
    for (int p = 1; p <= n; ++p) {
        const int qid = qids[static_cast<std::size_t>(picks[static_cast<std::size_t>(p)] - 1)];
        state_.question_order[static_cast<std::size_t>(p)] =
            static_cast<std::int16_t>((qid - state_.quiz_number) / 4 + 1);
    }
    begin(n);
}

bool Quiz::next_question()
{
    // A reseed before each question is meant: see reseed_from_clock.
    random_.reseed_from_clock();
    ++state_.current_question;
    if (state_.current_question > length_)
        return false;
    state_.current_qid = static_cast<std::int16_t>(
        (state_.question_order.at(static_cast<std::size_t>(state_.current_question)) - 1) * 4 +
        state_.quiz_number);
    const QuestionRecord& stored = bank_.record(state_.current_qid);
    state_.choice_count = static_cast<std::int16_t>(count_choices(stored));
    shown_order_ = choice_order(state_.choice_count, options_.shuffle_answers == 1, random_);
    state_.current_record = arrange_choices(stored, shown_order_);
    return true;
}

std::int16_t Quiz::grade(const ChoiceFlags& pressed, const QString& typed)
{
    const QuestionRecord& current = state_.current_record;
    GradedQuestion kept{state_.current_question, state_.current_qid, shown_order_, {}, {}, 0};
    if (is_typed_answer(current.question_type)) {
        kept.typed = typed;
        kept.answer_status = grade_typed(current, typed);
    } else {
        ChoiceFlags visible{};
        for (std::size_t i = 1; i < visible.size(); ++i)
            visible[i] = !is_blank(current.choice_text[i]);
        kept.pressed = pressed;
        kept.answer_status = grade_choices(current, visible, pressed);
    }
    state_.answer_status = kept.answer_status;
    if (kept.right())
        ++state_.right_count;
    graded_.push_back(kept);
    return kept.answer_status;
}

bool Quiz::feedback_wanted() const
{
    if (state_.answer_status == answer_right)
        return options_.show_when_right == 1;
    return options_.show_when_wrong == 1;
}

void Quiz::quit()
{
    state_.current_question = static_cast<std::int16_t>(length_ + 1);
}

void Quiz::finish()
{
    state_.current_question = static_cast<std::int16_t>(graded_.size());
}

std::vector<std::int16_t> Quiz::missed() const
{
    std::vector<std::int16_t> qids;
    for (const GradedQuestion& question : graded_) {
        if (!question.right())
            qids.push_back(question.qid);
    }
    return qids;
}
