#include "quiz/quiz_state.h"

QuizState quiz_state;
