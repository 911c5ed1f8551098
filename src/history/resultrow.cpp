#include "resultrow.h"

#include "sqlitestatement.h"

#include <QSqlQuery>
#include <QVariant>

ResultRow::ResultRow(const SqliteStatement *statement)
    : m_statement(statement)
{
}

ResultRow::ResultRow(const QSqlQuery *query)
    : m_query(query)
{
}

qint64 ResultRow::integer(int column) const
{
    return m_statement ? m_statement->integer(column) : m_query->value(column).toLongLong();
}

double ResultRow::real(int column) const
{
    return m_statement ? m_statement->real(column) : m_query->value(column).toDouble();
}

QString ResultRow::text(int column) const
{
    if (!m_statement)
        return m_query->value(column).toString();
    const QByteArray bytes = m_statement->text(column);
    return QString::fromUtf8(bytes.constData(), bytes.size());
}
