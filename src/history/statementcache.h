#pragma once

#include "resultrow.h"
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
    // Runs the query sql on db with values bound in order, calling row for
    // each row it gives.
    bool forEachRow(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values,
                    const std::function<void(const ResultRow &)> &row, QString *error);
    // Before the connection closes.
    void clear();

private:
    SqliteStatement *sqlite(QSqlDatabase &db, const QString &sql, QString *error);
    QSqlQuery *query(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, QString *error);
    bool execQuery(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                   QString *error);

    QHash<QString, QSqlQuery> m_queries;
    std::unordered_map<QString, std::unique_ptr<SqliteStatement>> m_sqlite;
};
