#pragma once

class QWidget;

// Whenever `from` receives the keyboard focus, it passes it on to `to`: for read-only texts that
// must never keep the focus.
void pass_focus_on(QWidget& from, QWidget& to);
