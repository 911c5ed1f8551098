#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

// Prepared statements kept for the life of a connection. A statement of
// many rows is compiled once instead of once per batch: compiling one with
// thousands of placeholders costs more than running it.
class StatementCache
{
public:
    // The statement for sql, prepared on db; nullptr when it does not
    // prepare (error says why).
    QSqlQuery *get(QSqlDatabase &db, const QString &sql, QString *error);
    void clear() { m_queries.clear(); }

private:
    QHash<QString, QSqlQuery> m_queries;
};
