#pragma once

#include <QString>

class QWidget;

// Where the user wants a file saved, asked with the usual save dialog, starting in the documents
// folder with the name suggested; empty when the user cancels.
QString ask_save_path(QWidget* parent, const QString& title, const QString& file_name,
                      const QString& filter);
