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

// Opens the picture in the Diagram window, titled `title` or else as designed; a missing file, or
// one that now lies outside the bank's folder, does nothing.
void show_diagram(const QString& path, const QString& title = {});
