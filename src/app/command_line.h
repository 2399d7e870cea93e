#pragma once

#include "quiz/quiz_options.h"

#include <QString>

// What the user asked for on the command line.
struct CommandLine {
    QString bank_file;       // empty: the built-in bank
    bool print_bank = false; // print the bank as JSON and open no window
    QString check_file;      // list the problems of this bank file and open no window
    StudyOptions study;
};

// Reads the options before any window system is touched. --help, --version and a usage error
// are answered here, and the process ends.
CommandLine read_command_line(int& argc, char** argv);
