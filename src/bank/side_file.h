#pragma once

#include <QString>

#include <optional>

// The path as Qt must be given it to name a file on disk: Qt reads a path that begins with ':'
// from the program's own built-in pictures.
QString on_disk(const QString& path);
// An ordinary, non-hidden file at exactly this path; folders and missing paths do not count.
bool side_file_exists(const QString& path);

// The folder of a bank file, as the program names it and as the file system resolves it.
struct BankFolder {
    QString given;
    QString resolved;
};

enum class SidePlace { Inside, Outside, ThroughBrokenLink };

// Where `path`, taken from the folder, leads, resolved part by part as the file system resolves
// it: a link is followed before a `..` after it applies. A part that does not exist yet cannot be
// a link and is kept as written; a link whose target is missing could later lead anywhere.
SidePlace side_file_place(const BankFolder& folder, const QString& path);

// The file a viewer opens for a side file of the bank in use, resolved at this moment: nothing
// when side_file_exists says no or when, its links followed now, it lies outside the bank's
// folder. Checked at each opening because links may have changed since the bank was read. The
// built-in bank has no folder and no side files, and its paths are kept as they are.
std::optional<QString> side_file_to_open(const QString& path);
