#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// Sets the test's application up as the program sets up its own.
void prepare_test_app();

// Runs the step from inside an event loop, as every real click runs, and returns when it is done.
void run_in_event_loop(const std::function<void()>& step);

// Lets deferred deletes and the end-of-program check run.
void settle();

// Destroys every window, settles and forgets that the program ended: each test starts clean.
void tear_down_windows();

// tear_down_windows, and the options, the exam clock and the progress record as at start.
void start_afresh();
// Activates the window and waits until it is active, as a click on it would.
bool activate(QWidget& window);
// The object name of the widget that has the keyboard focus; empty when none has it.
QString focused();
// How far, in pixels, the window's frame is from the centre of its screen; a frame that would
// start above or left of the screen's free area belongs at its edge.
int off_centre(const QWidget& window);

// Writes the bytes as the whole file.
bool write_file(const QString& path, const QByteArray& bytes);
