#pragma once

#include "sqlitestatement.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <unordered_map>

// Prepared statements kept for the life of a connection. A statement of
// many rows is compiled once instead of once per batch: compiling one with
// thousands of placeholders costs more than running it. On SQLite they are
// bound by SQLite itself.
class StatementCache
{
public:
    // Runs sql on db with values bound in order; *affected: the rows it
    // inserted, changed or deleted. False when it fails (error says why).
    bool exec(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
              QString *error);
    // Before the connection closes.
    void clear();

private:
    bool execQuery(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                   QString *error);

    QHash<QString, QSqlQuery> m_queries;
    std::unordered_map<QString, std::unique_ptr<SqliteStatement>> m_sqlite;
};
