#pragma once

class QApplication;

// What the program sets up on its application before the first window: fonts, icon, and the
// rule that the window registry, not Qt, decides when the program ends.
void prepare_application(QApplication& app);

// The start routine: creates and loads the welcome window, then centres it.
void start_program();
