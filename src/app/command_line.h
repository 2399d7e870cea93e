#pragma once

#include <QString>

// What the user asked for on the command line.
struct CommandLine {
    QString bank_file;       // empty: the built-in bank
    bool print_bank = false; // print the bank as JSON and open no window
    QString check_file;      // list the problems of this bank file and open no window
    bool review = false;     // the Review window after each quiz
    int minutes = 0;         // each quiz's time limit; 0: none
};

// Reads the options before any window system is touched. --help, --version and a usage error
// are answered here, and the process ends.
CommandLine read_command_line(int& argc, char** argv);
