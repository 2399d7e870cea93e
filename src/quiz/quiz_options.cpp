#include "quiz/quiz_options.h"

StudyOptions study_options;
