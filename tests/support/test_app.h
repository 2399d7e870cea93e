#pragma once

#include <functional>

// Sets the test's application up as the program sets up its own.
void prepare_test_app();

// Runs the step from inside an event loop, as every real click runs, and returns when it is done.
void run_in_event_loop(const std::function<void()>& step);

// Lets deferred deletes and the end-of-program check run.
void settle();

// Destroys every window, settles and forgets that the program ended: each test starts clean.
void tear_down_windows();
