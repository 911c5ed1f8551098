#pragma once

#include <QString>

class QSqlError;

// A SQLite file that SQLite refuses to read: garbage, or damaged beyond
// its own checks.
namespace SqliteFile {

// Whether the file, empty or missing, cannot be a SQLite database: its first
// bytes are not SQLite's. Such a file must be moved aside before SQLite
// opens it, since SQLite would take a log beside it as its own.
bool isForeign(const QString &path);
bool isUnreadable(const QSqlError &error);
// Renames the file aside, with its write-ahead log and shared-memory
// files, which belong to it and must not be replayed into a new database.
// Returns the new name, or an empty string (error says why).
QString moveAside(const QString &path, QString *error);

} // namespace SqliteFile
