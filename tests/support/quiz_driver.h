#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QWidget;

// Drives the program as a user does, through the real windows and their buttons.
namespace quiz_driver {

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
// Toggles the answer buttons of the given letters ("BD").
void press_letters(const QString& letters);
// Presses exactly the buttons whose choice text is a correct choice of the question on screen.
void press_correct_answer();

QString text_of(const char* control_name);
QWidget& quest_control(const QString& name);

} // namespace quiz_driver
