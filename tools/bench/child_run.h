#pragma once

#include <string>

struct ChildRun {
    double seconds = 0;  // from just before the start to the end of the first frame
    long max_rss_kb = 0; // the child's peak resident memory
    bool ok = false;
};

// Starts a start-up child on the given Qt platform, with one argument if not empty, and waits
// for it to end.
ChildRun run_child(const std::string& path, const std::string& platform,
                   const std::string& argument = {});

struct TimedRun {
    double seconds = 0;    // from just before the start to the end
    long max_rss_kb = 0;   // the child's peak resident memory, as the kernel counts it
    std::string output;    // what it wrote to standard output
    bool finished = false; // ended with status 0 within the time allowed; otherwise it was killed
};

// Runs a program with one argument for at most `limit_seconds`.
TimedRun run_timed(const std::string& path, const std::string& argument, double limit_seconds);
