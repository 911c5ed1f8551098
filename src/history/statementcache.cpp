#include "statementcache.h"

#include <QSqlDriver>
#include <QSqlError>

bool StatementCache::exec(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                          QString *error)
{
    if (db.driverName() != QLatin1String("QSQLITE"))
        return execQuery(db, sql, values, affected, error);
    SqliteStatement *statement = sqlite(db, sql, error);
    return statement && statement->exec(values, affected, error);
}

bool StatementCache::forEachRow(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values,
                                const std::function<void(const ResultRow &)> &row, QString *error)
{
    if (db.driverName() == QLatin1String("QSQLITE")) {
        SqliteStatement *statement = sqlite(db, sql, error);
        const ResultRow current(statement);
        return statement && statement->forEachRow(values, [&] { row(current); }, error);
    }
    QSqlQuery *found = query(db, sql, values, error);
    if (!found)
        return false;
    const ResultRow current(found);
    while (found->next())
        row(current);
    const bool done = !found->lastError().isValid();
    if (!done)
        *error = found->lastError().text();
    // A server's answer is held in memory until the next run: a large one
    // is let go at once.
    found->finish();
    return done;
}

void StatementCache::clear()
{
    m_queries.clear();
    m_sqlite.clear();
}

SqliteStatement *StatementCache::sqlite(QSqlDatabase &db, const QString &sql, QString *error)
{
    auto found = m_sqlite.find(sql);
    if (found == m_sqlite.end()) {
        std::unique_ptr<SqliteStatement> statement = SqliteStatement::prepare(db, sql, error);
        if (!statement)
            return nullptr;
        found = m_sqlite.emplace(sql, std::move(statement)).first;
    }
    return found->second.get();
}

QSqlQuery *StatementCache::query(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values,
                                 QString *error)
{
    auto found = m_queries.find(sql);
    if (found == m_queries.end()) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            *error = query.lastError().text();
            return nullptr;
        }
        found = m_queries.insert(sql, query);
    }
    for (int i = 0; i < values.size(); ++i)
        found->bindValue(i, values.at(i));
    if (!found->exec()) {
        *error = found->lastError().text();
        return nullptr;
    }
    return &*found;
}

bool StatementCache::execQuery(QSqlDatabase &db, const QString &sql, const QVector<QVariant> &values, int *affected,
                               QString *error)
{
    QSqlQuery *found = query(db, sql, values, error);
    if (!found)
        return false;
    *affected = found->numRowsAffected();
    return true;
}
