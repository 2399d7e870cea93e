#pragma once

class QPlainTextEdit;
class QWidget;

// Makes `from` a text that is only read: read-only, so no typing, drop or paste replaces it, and
// whenever it receives the keyboard focus it passes it on to `to`.
void pass_focus_on(QPlainTextEdit& from, QWidget& to);
