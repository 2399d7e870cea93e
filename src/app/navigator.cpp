// Which window follows which, and the load, show, hide and close sequences that get there.
#include "shell/navigation.h"

#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "quiz/random_source.h"
#include "shell/center_form.h"
#include "windows/answer_window.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QApplication>

namespace {

void close_viewers()
{
    Diagram.unload();
    Exhibit.unload();
}

// The question window comes up centred and painted before the quiz picks its questions.
void open_quiz(QuizPlan plan)
{
    QuestWindow* window = quest.show();
    CenterForm(*window);
    window->repaint();
    running_quiz.start(std::move(plan));
    window->begin();
}

void show_options()
{
    if (pick_a_quiz.is_open())
        pick_a_quiz.hide();
    else
        pick_a_quiz.load();
    CenterForm(*pick_a_quiz.get());
    pick_a_quiz.show();
    pick_a_quiz.get()->focus_start_button();
    Welcome.hide();
}

// After the summary: the review of the quiz in study mode, else the welcome window.
void after_the_summary()
{
    close_viewers();
    if (study_options.review) {
        ReviewWindow* review = Review.load();
        quest.unload();
        review->show_attempt(running_quiz.attempt());
        CenterForm(*review);
        Review.show();
    } else {
        Welcome.show();
    }
    quest.hide();
}

void retake()
{
    const ReviewWindow* review = Review.get();
    if (!review)
        return;
    QuizPlan plan = retake_plan(review->attempt());
    if (plan.records.empty())
        return;
    Review.unload();
    open_quiz(std::move(plan));
}

} // namespace

void report(Happened what)
{
    switch (what) {
    case Happened::WelcomeLoading:
        load_bank();
        quest.unload();
        running_quiz.bank_loaded();
        return;
    case Happened::Agreed:
        return show_options();
    case Happened::ExitPressed:
        return end_program();
    case Happened::WelcomeClosing:
        quest.unload();
        pick_a_quiz.unload();
        Exhibit.unload();
        Diagram.unload();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        return;
    case Happened::OptionsLoading:
        return random_source.reseed_from_clock();
    case Happened::OptionsClosing:
        return Welcome.unload();
    case Happened::QuizWindowClosing:
        return pick_a_quiz.unload();
    case Happened::QuestionLeaving:
    case Happened::ReviewClosing:
        return close_viewers();
    case Happened::QuizOver:
        return after_the_summary();
    case Happened::ReviewDone:
        Welcome.show();
        return Review.unload();
    case Happened::RetakeAsked:
        return retake();
    }
}

void quiz_chosen(const QuizOptions& options)
{
    // Closes the options window too.
    Welcome.unload();
    open_quiz(built_in_plan(options, quiz_state.questions_per_quiz, study_options.minutes));
    pick_a_quiz.hide();
}

void show_feedback(const QString& text)
{
    AnswerWindow* window = theanswer.load();
    window->set_text(text);
    CenterForm(*window);
    theanswer.show_modal();
    theanswer.unload();
}

void open_diagram(const QString& path, const QString& title)
{
    show_diagram(path, title);
}

void open_exhibit(const QString& path, QWidget* parent, const QString& title)
{
    show_exhibit(path, parent, title);
}
