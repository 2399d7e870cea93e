#include "quiz/quiz_options.h"

QuizOptions quiz_options;
