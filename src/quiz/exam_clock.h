#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// A quiz's time limit.
class ExamClock {
public:
    void start(int seconds);
    // Whole seconds left, rounded up, never below 0.
    int seconds_left() const;

private:
    std::int64_t deadline_ms_ = 0;
};

// "41:20 left": minutes and seconds.
QString time_left_text(int seconds);
// 10, 5 or 1 when the time left has just reached that many minutes (the least of them when
// several were passed at once), else 0.
int minutes_to_announce(int seconds_before, int seconds_now);

// Milliseconds on a steady clock, for the time limit and the time spent on each question. Tests
// set their own source; an empty function restores the real one.
std::int64_t exam_time_ms();
void set_exam_time_source(std::function<std::int64_t()> source);
