#pragma once

#include "quiz/quiz_options.h"

class QWidget;

// How a quiz runs, as the four option boxes of a window that starts quizzes are ticked (their
// names are those of the options window's design); quiz_choice is left 0.
QuizOptions ticked_options(const QWidget& window);
