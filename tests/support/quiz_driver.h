#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QWidget;

// Drives the program as a user does, through the real windows and their buttons.
namespace quiz_driver {

inline constexpr std::pair<const char*, bool> no_feedback{"answer_when_wrong", false};
inline constexpr std::pair<const char*, bool> in_order{"random_questions", false};
inline constexpr std::pair<const char*, bool> answers_in_order{"random_answers", false};

// Starts the program and presses "I Agree".
void open_options();
// Selects a quiz and sets the named check boxes on the open options window.
void choose(int quiz, std::initializer_list<std::pair<const char*, bool>> boxes = {});
// Presses "Start the Quiz".
void start();
// open_options, choose and start in one.
void start_quiz(int quiz, std::initializer_list<std::pair<const char*, bool>> boxes = {});

void press_next();
void press_quit();
// Presses exactly the buttons whose choice text is a correct choice of the question on screen.
void press_correct_answer();

// Makes the stored record a typed-answer question that accepts the given answers.
void make_typed_answer(int record, std::initializer_list<const char*> answers);

// Clicks the window's named push button from the event loop, as a real click runs.
void click(const QWidget& window, const char* name);
QString text_of(const char* control_name);
QWidget& quest_control(const QString& name);

} // namespace quiz_driver
