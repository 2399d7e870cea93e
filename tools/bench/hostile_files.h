#pragma once

#include <QByteArray>

#include <vector>

// A bank file of the largest size the program reads, built to make a reader slow or greedy: a
// head, one unit repeated, and a tail.
struct HostileFile {
    const char* what;
    const char* name;
    QByteArray head;
    QByteArray unit;
    QByteArray tail;
};

// The inputs that once made a reader take quadratic time or build what it was about to refuse.
std::vector<HostileFile> hostile_files();

// The file's bytes: as many whole units as fit in max_bank_file_size with the head and the tail.
QByteArray hostile_bytes(const HostileFile& file);
