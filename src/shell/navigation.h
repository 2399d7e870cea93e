#pragma once

class QString;
class QWidget;
struct QuizOptions;

// What a window reports. The navigator (src/app/navigator.cpp) alone decides which window follows
// and opens, shows, hides and closes them, so that no window reaches another.
enum class Happened {
    WelcomeLoading,    // the welcome window is being filled
    Agreed,            // "I Agree"
    ExitPressed,       // "Exit"
    WelcomeClosing,    // the welcome window's close sequence
    OptionsLoading,    // the options window is being created
    OptionsClosing,    // the options window's close sequence
    QuizWindowClosing, // the question window's close sequence
    QuestionLeaving,   // the question shown goes: its viewers with it
    QuizOver,          // the summary was read
    ReviewClosing,     // the review window's close sequence
    ReviewDone,        // the review's "Close"
    RetakeAsked,       // the review's "Retake the missed questions"
    PracticeAsked,     // the Progress window's "Practice chapters"
    DueAsked,          // "Questions due"
    RetakeLastAsked,   // "Retake last quiz's misses"
    AttemptOpened,     // an attempt of the list opened
    NewQuizAsked,      // "New quiz"
    ProgressClosing,   // the Progress window's close sequence
};

void report(Happened what);

// "Start the Quiz" with the options as chosen.
void quiz_chosen(const QuizOptions& options);

// Shows the feedback window, modal, with the text; returns once it is closed.
void show_feedback(const QString& text);

// A question's picture or text in its viewer; a title, when given, replaces the viewer's own.
void open_diagram(const QString& path, const QString& title);
void open_exhibit(const QString& path, QWidget* parent, const QString& title);
