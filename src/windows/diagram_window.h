#pragma once

#include "shell/form_ref.h"

class StretchedImage;

// Shows a question's diagram picture, stretched over the window.
class DiagramWindow : public Form {
    Q_OBJECT
public:
    DiagramWindow();

    void set_picture_file(const QString& path);
    void Command1_Click();

private:
    StretchedImage* Image1;
};

extern FormRef<DiagramWindow> Diagram;

// The path as Qt must be given it to name a file on disk: Qt reads a path that begins with ':'
// from the program's own built-in pictures.
QString on_disk(const QString& path);
// An ordinary, non-hidden file at exactly this path; folders and missing paths do not count.
bool side_file_exists(const QString& path);
// Opens the picture in the Diagram window; a missing file does nothing.
void show_diagram(const QString& path);
