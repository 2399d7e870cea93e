#pragma once

#include <QString>

#include <cstdint>

// How the quiz runs, as the options window reads it when a quiz starts: quiz_choice is the
// quiz, 1 to 4; every other field is 1 for on and 0 for off. All are 0 until the first start,
// whatever the options window shows; its defaults live in its design.
struct QuizOptions {
    std::int16_t quiz_choice = 0;
    std::int16_t show_when_right = 0;
    std::int16_t show_when_wrong = 0;
    std::int16_t shuffle_answers = 0;
    std::int16_t shuffle_questions = 0;
};

// Study mode, asked for on the command line; with nothing asked the program runs as ever.
struct StudyOptions {
    bool review = false; // the Review window follows each quiz's summary
    int minutes = 0;     // each quiz's time limit; 0: none
    bool study = false;  // a progress record is kept across runs, the Progress window its home
    QString record_file; // the record; empty: the default one in the data folder
};

extern StudyOptions study_options;
