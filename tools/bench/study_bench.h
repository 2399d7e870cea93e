#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

// Timings and sizes of study mode's progress record, in seconds and bytes.
struct StudyTimes {
    std::vector<double> add_answer; // each answer of a year of daily study, with its commit
    qint64 year_bytes = 0;          // that year's file, once closed
    std::vector<double> open;       // opening a record of the bench's large study
    std::vector<double> figures;    // reading it and computing every progress figure
    std::vector<double>
        figures_cpu;            // the same in processor time, which other programs do not stretch
    std::vector<double> window; // opening the Progress window on it, to its first paint
    std::string refusal;        // why nothing was timed: the record could not be made
};

// A year of daily study, 365 quizzes of 56 answers, recorded answer by answer; then `runs`
// openings and figure passes over a record of `attempts` attempts of `answers` answers each.
StudyTimes time_study(int attempts, int answers, int runs);
