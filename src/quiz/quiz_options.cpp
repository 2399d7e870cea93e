#include "quiz/quiz_options.h"

QuizOptions quiz_options;
StudyOptions study_options;
