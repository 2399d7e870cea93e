#pragma once

#include <functional>

class QWidget;

// Runs the step once the window has painted its first frame, from the event loop: work that can
// wait does not hold the window back.
void after_first_paint(QWidget& window, std::function<void()> step);
