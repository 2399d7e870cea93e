#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks where to save with the usual save dialog, starting in the documents folder with the name
// suggested, and writes there with `write`, which gives one sentence when it fails: the sentence
// is shown in a message box. Nothing is written when the user cancels.
void save_as(QWidget* parent, const QString& title, const QString& file_name, const QString& filter,
             const std::function<QString(const QString& path)>& write);
