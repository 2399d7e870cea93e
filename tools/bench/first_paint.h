#pragma once

// For the start-up children: once the first window has finished its first paint, prints the
// monotonic clock in nanoseconds on standard output and ends the event loop. The parent took
// the same clock just before it started the process.
void report_first_paint();
