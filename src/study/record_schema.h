#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// The layout the code writes. A file's PRAGMA user_version says which one it has; a newer one
// than this is left alone.
inline constexpr int record_version = 2;
// PRAGMA application_id of a progress record ("OrlQ"), which tells it from other SQLite files.
inline constexpr int record_application_id = 0x4F726C51;

// Brings the database from `version` (0: empty) to record_version, one step after another, in
// the caller's transaction; the error of the first statement that fails.
QSqlError upgrade_record(QSqlDatabase& database, int version);
