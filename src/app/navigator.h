#pragma once

// The navigator answers the windows' reports (shell/navigation.h); these are its steps that the
// start routine takes.

// Study mode's record, opened once the welcome window shows; a record that cannot be used is
// said in a message box, and the quizzes then run without one.
void open_study_record();

// Closes the record; the application does it as it ends.
void close_study_record();
