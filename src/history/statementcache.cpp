#include "statementcache.h"

#include <QSqlError>

QSqlQuery *StatementCache::get(QSqlDatabase &db, const QString &sql, QString *error)
{
    auto found = m_queries.find(sql);
    if (found != m_queries.end())
        return &*found;
    QSqlQuery query(db);
    if (!query.prepare(sql)) {
        *error = query.lastError().text();
        return nullptr;
    }
    return &*m_queries.insert(sql, query);
}
