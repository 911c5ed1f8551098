#pragma once

#include <QString>

class HistoryDialect;
class QSqlDatabase;

// The store's tables and their version. The program makes them in an empty
// database and brings those of an older version up to date; a store made
// by a newer version, or a database that holds other tables, is left alone.
namespace HistorySchema {

int currentVersion();
bool ensure(QSqlDatabase &db, const HistoryDialect &dialect, QString *error);
// For a reader, which changes nothing: whether the tables are of this
// program's version.
bool isCurrent(QSqlDatabase &db, QString *error);

} // namespace HistorySchema
