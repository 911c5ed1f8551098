#pragma once

#include "statementcache.h"

#include <QString>
#include <QVariant>
#include <QVector>

class QSqlDatabase;

// Many rows in one INSERT: a batch takes few statements, and only three
// shapes of each are ever compiled.
namespace SqlRows {

// How many of the rows left the next statement takes: 256, 16 or 1.
int perStatement(int left);
// "(?,?,?),(?,?,?)" for rows of columns.
QString placeholders(int rows, int columns);
// What is bound for a text of a NOT NULL column: an empty text as one, not
// as NULL. A NUL, which a server's text cannot hold (the statement would
// fail, and with it every write after it), is kept as U+FFFD on either
// store.
QVariant text(const QString &s);

// Runs sql, whose %1 stands for the rows' placeholders, many rows a
// statement: a burst of rows takes a few round trips to a server. bind
// appends a row's values.
template <typename Row, typename Bind>
bool exec(QSqlDatabase &db, StatementCache &statements, const QString &sql, int columns, const QVector<Row> &rows,
          Bind bind, QString *error)
{
    int affected = 0;
    for (int first = 0, count; first < rows.size(); first += count) {
        count = perStatement(rows.size() - first);
        QVector<QVariant> values;
        values.reserve(columns * count);
        for (int i = first; i < first + count; ++i)
            bind(rows.at(i), &values);
        if (!statements.exec(db, sql.arg(placeholders(count, columns)), values, &affected, error))
            return false;
    }
    return true;
}

} // namespace SqlRows
