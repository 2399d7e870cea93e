#include "quiz/exam_clock.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

std::function<std::int64_t()>& time_source()
{
    static std::function<std::int64_t()> source;
    return source;
}

} // namespace

std::int64_t exam_time_ms()
{
    if (time_source())
        return time_source()();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void set_exam_time_source(std::function<std::int64_t()> source)
{
    time_source() = std::move(source);
}

void ExamClock::start(int seconds)
{
    deadline_ms_ = exam_time_ms() + std::int64_t{seconds} * 1000;
}

int ExamClock::seconds_left() const
{
    const std::int64_t left_ms = std::max<std::int64_t>(deadline_ms_ - exam_time_ms(), 0);
    return static_cast<int>((left_ms + 999) / 1000);
}

QString time_left_text(int seconds)
{
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2 left")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int minutes_to_announce(int seconds_before, int seconds_now)
{
    for (const int minutes : {1, 5, 10}) {
        if (seconds_before > minutes * 60 && seconds_now <= minutes * 60)
            return minutes;
    }
    return 0;
}
