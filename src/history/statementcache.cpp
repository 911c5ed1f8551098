#include "statementcache.h"

#include <QSqlDriver>
#include <QSqlError>

bool StatementCache::exec(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                          QString *error)
{
    if (db.driverName() != QLatin1String("QSQLITE"))
        return execQuery(db, sql, values, affected, error);
    auto found = m_sqlite.find(sql);
    if (found == m_sqlite.end()) {
        std::unique_ptr<SqliteStatement> statement = SqliteStatement::prepare(db, sql, error);
        if (!statement)
            return false;
        found = m_sqlite.emplace(sql, std::move(statement)).first;
    }
    return found->second->exec(values, affected, error);
}

void StatementCache::clear()
{
    m_queries.clear();
    m_sqlite.clear();
}

bool StatementCache::execQuery(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                               QString *error)
{
    auto found = m_queries.find(sql);
    if (found == m_queries.end()) {
        QSqlQuery query(db);
        if (!query.prepare(sql)) {
            *error = query.lastError().text();
            return false;
        }
        found = m_queries.insert(sql, query);
    }
    for (int i = 0; i < values.size(); ++i)
        found->bindValue(i, values.at(i));
    if (!found->exec()) {
        *error = found->lastError().text();
        return false;
    }
    *affected = found->numRowsAffected();
    return true;
}
