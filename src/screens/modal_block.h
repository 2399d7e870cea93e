#pragma once

class QWidget;

// Whether a modal window other than the widget's own is open. Qt holds mouse and keys back from a
// window it blocks, but not a click from code or a screen reader's press or toggle action.
bool blocked_by_modal(const QWidget& widget);
