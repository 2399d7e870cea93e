#pragma once

class QApplication;
class QString;

// What the program sets up on its application before the first window: fonts, icon, and the
// rule that the window registry, not Qt, decides when the program ends.
void prepare_application(QApplication& app);

// The start routine: creates and loads the welcome window, then centres it.
void start_program();

// Says in a message box, with no other window open, why the bank file cannot be used.
void show_bank_refusal(const QString& refusal);
