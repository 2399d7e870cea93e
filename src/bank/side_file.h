#pragma once

#include <QString>

// The path as Qt must be given it to name a file on disk: Qt reads a path that begins with ':'
// from the program's own built-in pictures.
QString on_disk(const QString& path);
// An ordinary, non-hidden file at exactly this path; folders and missing paths do not count.
bool side_file_exists(const QString& path);
