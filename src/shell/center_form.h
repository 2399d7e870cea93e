#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The left (or top) edge in twips that centres a window of the given extent on a screen of the
// given extent, less an offset; each step is rounded to single precision.
float centered_edge(float screen_extent, float window_extent, float offset = 0);

// Where a frame of the given size goes, in pixels: centred on the screen less the offsets (in
// twips), but never left of or above the screen's free area, so that a window larger than the
// screen keeps its title bar on it.
QPoint centered_frame_position(QRect screen, QRect available, QSize frame,
                               float horizontal_offset = 0, float vertical_offset = 0);

// Places the window, frame included, at the centre of its screen, less the offsets (in twips;
// positive offsets move it left and up). A window whose frame the window manager has not reported
// yet is centred with the frame of the program's last framed window, and again once its own frame
// is known.
void CenterForm(QWidget& window, float horizontal_offset = 0, float vertical_offset = 0);
