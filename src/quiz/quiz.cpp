#include "quiz/quiz.h"

#include "bank/question_bank.h"
#include "quiz/random_source.h"

#include <algorithm>

Quiz running_quiz{random_source, bank};
const QuizState& quiz_state = running_quiz.state();
const QuizOptions& quiz_options = running_quiz.options();

Quiz::Quiz(RandomSource& random, const QuestionBank& questions) : random_(random), bank_(questions)
{
}

void Quiz::bank_loaded()
{
    state_.questions_per_quiz = questions_per_quiz(bank_.question_count);
}

void Quiz::start(QuizPlan plan)
{
    random_.reseed_from_clock();
    if (plan.records.size() > static_cast<std::size_t>(max_quiz_length))
        plan.records.resize(max_quiz_length);
    attempt_ = Attempt{std::move(plan), {}, QuizEnd::Running};
    build_question_order(state_.question_order, length(),
                         attempt_.plan.options.shuffle_questions == 1, random_);
    state_.quiz_number = attempt_.plan.options.quiz_choice;
    state_.current_qid = 0;
    state_.current_question = 0;
    state_.right_count = 0;
    on_screen_graded_ = true;
    if (timed())
        clock_.start(attempt_.plan.time_limit);
    if (watcher_)
        watcher_->started(attempt_);
}

void Quiz::end(QuizEnd how)
{
    if (attempt_.end != QuizEnd::Running)
        return;
    attempt_.end = how;
    if (watcher_)
        watcher_->ended(attempt_);
}

bool Quiz::next_question()
{
    // A reseed before each question is meant: see reseed_from_clock.
    random_.reseed_from_clock();
    if (state_.current_question >= length())
        end(QuizEnd::Finished);
    if (out_of_time())
        end(QuizEnd::TimeUp);
    if (attempt_.end != QuizEnd::Running)
        return false;
    ++state_.current_question;
    const auto place = static_cast<std::size_t>(state_.current_question);
    state_.current_qid =
        attempt_.plan.records.at(static_cast<std::size_t>(state_.question_order.at(place) - 1));
    const QuestionRecord& stored = bank_.record(state_.current_qid);
    state_.choice_count = static_cast<std::int16_t>(count_choices(stored));
    shown_order_ = choice_order(state_.choice_count, options().shuffle_answers == 1, random_);
    state_.current_record = arrange_choices(stored, shown_order_);
    visible_ = visible_choices_of(state_.current_record);
    on_screen_graded_ = false;
    shown_at_ms_ = exam_time_ms();
    return true;
}

std::int16_t Quiz::grade(const ChoiceFlags& pressed, const QString& typed)
{
    const QuestionRecord& current = state_.current_record;
    GradedQuestion kept{state_.current_question,
                        state_.current_qid,
                        shown_order_,
                        {},
                        {},
                        0,
                        static_cast<int>((exam_time_ms() - shown_at_ms_ + 500) / 1000)};
    if (is_typed_answer(current.question_type)) {
        kept.typed = typed;
        kept.answer_status = grade_typed(current, typed);
    } else {
        for (std::size_t i = 1; i < pressed.size(); ++i)
            kept.pressed[i] = pressed[i] && visible_[i];
        kept.answer_status = grade_choices(current, visible_, pressed);
    }
    state_.answer_status = kept.answer_status;
    if (kept.right())
        ++state_.right_count;
    attempt_.graded.push_back(kept);
    on_screen_graded_ = true;
    if (watcher_)
        watcher_->graded(attempt_, attempt_.graded.back());
    return kept.answer_status;
}

void Quiz::quit()
{
    end(QuizEnd::Quit);
}

void Quiz::time_up(const ChoiceFlags& pressed, const QString& typed)
{
    if (attempt_.end != QuizEnd::Running)
        return;
    bool marked = is_typed_answer(state_.current_record.question_type) && !is_blank(typed);
    for (std::size_t i = 1; i < pressed.size(); ++i)
        marked = marked || (pressed[i] && visible_[i]);
    if (!on_screen_graded_ && marked)
        grade(pressed, typed);
    end(QuizEnd::TimeUp);
}

bool Quiz::feedback_wanted() const
{
    if (state_.answer_status == answer_right)
        return options().show_when_right == 1;
    return options().show_when_wrong == 1;
}

QString Quiz::feedback() const
{
    return feedback_text(state_.answer_status, state_.current_record, visible_);
}
