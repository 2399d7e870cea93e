#pragma once

class QWidget;

// The left (or top) edge in twips that centres a window of the given extent on a screen of the
// given extent, less an offset; each step is rounded to single precision.
float centered_edge(float screen_extent, float window_extent, float offset = 0);

// Places the window at the centre of its screen, less the offsets (in twips; positive offsets
// move it left and up).
void CenterForm(QWidget& window, float horizontal_offset = 0, float vertical_offset = 0);
