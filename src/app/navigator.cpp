// Which window follows which, and the load, show, hide and close sequences that get there.
#include "app/navigator.h"
#include "shell/navigation.h"

#include "bank/chapters.h"
#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "quiz/random_source.h"
#include "shell/center_form.h"
#include "shell/message_box.h"
#include "study/study_session.h"
#include "windows/answer_window.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/progress_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QDate>

#include <utility>

namespace {

// Study mode's record; it keeps nothing until opened.
StudySession& study_session()
{
    static StudySession session(bank);
    return session;
}

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

// The options window over the window it came from, which hides and stays open.
void show_options(FormSlot& from)
{
    if (pick_a_quiz.is_open())
        pick_a_quiz.hide();
    else
        pick_a_quiz.load();
    CenterForm(*pick_a_quiz.get());
    pick_a_quiz.show();
    pick_a_quiz.get()->focus_start_button();
    from.hide();
}

// Study mode's home, its figures read afresh from the record.
void show_progress()
{
    ProgressWindow* window = Progress.load();
    window->show_figures(study_session().figures(QDate::currentDate()));
    CenterForm(*window);
    Progress.show();
}

void tell_recording_fault(QWidget* parent)
{
    if (const QString fault = study_session().take_fault(); !fault.isEmpty())
        message_box(parent, QStringLiteral("Progress record"), fault);
}

void show_review(const Attempt& attempt)
{
    ReviewWindow* review = Review.load();
    review->show_attempt(attempt);
    if (study_options.study)
        review->offer_saving();
    CenterForm(*review);
    Review.show();
}

// A quiz the Progress window set up: its choices, and the questions the record picks.
void start_from_progress(const QString& name, std::vector<std::int16_t> records)
{
    ProgressWindow* window = Progress.get();
    if (!window)
        return;
    if (records.empty()) {
        message_box(window, window->windowTitle(),
                    QStringLiteral("There is no question to ask: the record holds none of that "
                                   "kind for this bank."));
        return;
    }
    QuizPlan plan{name, 0, std::move(records), window->chosen_options(), window->minutes() * 60};
    Welcome.unload();
    Progress.unload();
    open_quiz(std::move(plan));
}

void practice()
{
    const ProgressWindow* window = Progress.get();
    if (!window)
        return;
    QStringList names;
    for (const QString& chapter : window->chosen_chapters())
        names << short_group_name(chapter);
    start_from_progress(QStringLiteral("Practice: ") + names.join(QStringLiteral(", ")),
                        study_session().practice(window->chosen_chapters(),
                                                 window->question_count(), random_source));
}

void open_attempt()
{
    const ProgressWindow* window = Progress.get();
    if (!window)
        return;
    const std::optional<Attempt> attempt = study_session().attempt(window->selected_attempt());
    if (!attempt) {
        message_box(Progress.get(), window->windowTitle(),
                    QStringLiteral("This attempt was taken on another question bank, or on "
                                   "questions this bank no longer holds: run the program with that "
                                   "bank to review it."));
        return;
    }
    Progress.unload();
    show_review(*attempt);
}

// After the summary: the review of the quiz in study mode, else the welcome window.
void after_the_summary()
{
    close_viewers();
    tell_recording_fault(quest.get());
    if (study_options.review) {
        // Loaded first: with no window open, the program would end.
        Review.load();
        quest.unload();
        show_review(running_quiz.attempt());
    } else {
        Welcome.show();
        quest.hide();
    }
}

void retake_last_attempt()
{
    StudySession::Retake retake = study_session().retake_last();
    start_from_progress(QStringLiteral("Retake of ") + retake.of, std::move(retake.records));
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
        if (study_options.study) {
            show_progress();
            return Welcome.hide();
        }
        return show_options(Welcome);
    case Happened::ExitPressed:
        return end_program();
    case Happened::WelcomeClosing:
        quest.unload();
        pick_a_quiz.unload();
        // Exhibit before Diagram: the order the welcome window closes them in.
        Exhibit.unload();
        Diagram.unload();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        return;
    case Happened::OptionsLoading:
        return random_source.reseed_from_clock();
    case Happened::OptionsClosing:
        Welcome.unload();
        return Progress.unload();
    case Happened::QuizWindowClosing:
        return pick_a_quiz.unload();
    case Happened::QuestionLeaving:
    case Happened::ReviewClosing:
        return close_viewers();
    case Happened::QuizOver:
        return after_the_summary();
    case Happened::ReviewDone:
        if (study_options.study)
            show_progress();
        else
            Welcome.show();
        return Review.unload();
    case Happened::RetakeAsked:
        return retake();
    case Happened::PracticeAsked:
        return practice();
    case Happened::DueAsked:
        return start_from_progress(
            QStringLiteral("Questions due"),
            study_session().due(QDate::currentDate(), Progress.get()->question_count()));
    case Happened::RetakeLastAsked:
        return retake_last_attempt();
    case Happened::AttemptOpened:
        return open_attempt();
    case Happened::NewQuizAsked:
        return show_options(Progress);
    case Happened::ProgressClosing:
        close_viewers();
        return Welcome.unload();
    }
}

void quiz_chosen(const QuizOptions& options)
{
    // Closes the options window too.
    Welcome.unload();
    Progress.unload();
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

void open_study_record()
{
    const QString path =
        study_options.record_file.isEmpty() ? default_record_path() : study_options.record_file;
    const QString refusal = study_session().open(path);
    if (!refusal.isEmpty()) {
        message_box(Welcome.get(), QStringLiteral("Progress record"), refusal);
        return;
    }
    running_quiz.watch(&study_session());
    // Qt SQL must close the file while the application still exists.
    static bool close_at_the_end = false;
    if (!std::exchange(close_at_the_end, true))
        qAddPostRoutine(close_study_record);
}

void close_study_record()
{
    running_quiz.watch(nullptr);
    study_session().close();
}
