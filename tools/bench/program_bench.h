#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

// Timings of the program's own routines, in seconds, run in this process on its QApplication.

// Each of `runs` calls of load_bank.
std::vector<double> time_load_bank(int runs);

struct BankFileTimes {
    std::vector<double> seconds; // reading and checking the file, then loading the bank
    qint64 bytes = 0;
    std::string refusal; // why no load was timed: the file was not written, or was refused
};

// Each of `runs` loads of a bank file of the largest usable bank, from the file to a filled bank.
BankFileTimes time_bank_file(int runs);

// Each of `runs` loads of a GIFT file of `questions` questions, from the file to a filled bank;
// no times when the file is not read whole.
BankFileTimes time_gift_file(int questions, int runs);

// Each of `runs` loads of a Moodle XML file of `questions` multiple-choice questions, laid out as
// a learning platform exports them, from the file to a filled bank.
BankFileTimes time_xml_file(int questions, int runs);

struct NextTimes {
    std::vector<double> handler;    // NextButton_Click alone
    std::vector<double> with_paint; // the handler and the repaint it causes
    int graded_right = 0;           // a check that grading ran: about half of them
};

// `count` NEXT presses without feedback, with shuffled questions and answers, every other one
// answered right; a quiz is started afresh before its last question would end it. With
// `recording`, each answer goes to a progress record of its own, as with --study.
NextTimes time_next(int count, bool recording);

// Each of `runs` openings of the Review window, to the end of its first paint, after a quiz of
// `graded_count` graded questions.
std::vector<double> time_review(int graded_count, int runs);

// Each of `runs` openings of the Progress window on the record at the path, to the end of its
// first paint.
std::vector<double> time_progress_window(const QString& record, int runs);

// Each of `runs` openings of an exhibit of `megabytes` MiB of text, to the end of its first paint.
std::vector<double> time_exhibit(int megabytes, int runs);
