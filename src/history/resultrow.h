#pragma once

#include <QString>

class QSqlQuery;
class SqliteStatement;

// The row a query stands on, read by column the same way whichever
// connection runs it.
class ResultRow {
public:
    explicit ResultRow(const SqliteStatement *statement);
    explicit ResultRow(const QSqlQuery *query);

    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;

private:
    const SqliteStatement *m_statement = nullptr;
    const QSqlQuery *m_query = nullptr;
};
