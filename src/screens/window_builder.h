#pragma once

#include "screens/design.h"

#include <QString>
#include <QWidget>

// Builds the design's controls on the window: names, places, fonts, colours, tab order and,
// where the design asks for it, the proportional layout.
void build_window(QWidget& window, const WindowDesign& design);

// A control array member's object name: "QChoice_3"; a plain control keeps its name.
QString control_name(const ControlDesign& control);
QString control_name(const char* name, int index);

// Finds a built control by name. A name the design does not hold, or a control of another kind,
// is a programming error that stops the program in every build.
template <class T>
T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("%s has no control %s of the kind asked for", qPrintable(window.objectName()),
               qPrintable(name));
    return found;
}

// Font names the designs use that this platform lacks get their nearest twins.
void install_font_substitutes();
