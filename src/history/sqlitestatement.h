#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

class QSqlDatabase;
struct sqlite3_stmt;

// A statement prepared on the SQLite connection under a QSqlDatabase and
// run with SQLite's own binding. A batch binds hundreds of thousands of
// values; bound through QSqlQuery each costs several times as much.
class SqliteStatement
{
public:
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // nullptr when db is not an open SQLite connection or sql does not
    // prepare (error says why).
    static std::unique_ptr<SqliteStatement> prepare(const QSqlDatabase &db, const QString &sql, QString *error);
    // Runs the statement to its end with values bound in order; *affected
    // is the number of rows it inserted, changed or deleted.
    bool exec(const QVector<QVariant> &values, int *affected, QString *error);
    // Runs a query with values bound in order, calling row for each row it
    // gives; row reads the columns with integer() and text().
    bool forEachRow(const QVector<QVariant> &values, const std::function<void()> &row, QString *error);
    qint64 integer(int column) const;
    double real(int column) const;
    // The column's bytes as they are, valid until the next row.
    QByteArray text(int column) const;

private:
    explicit SqliteStatement(sqlite3_stmt *statement);
    bool bind(int index, const QVariant &value);
    QString lastError() const;

    sqlite3_stmt *m_statement;
};
