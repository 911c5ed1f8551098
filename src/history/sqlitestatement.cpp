#include "sqlitestatement.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3_stmt *statement)
    : m_statement(statement)
{
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

std::unique_ptr<SqliteStatement> SqliteStatement::prepare(const QSqlDatabase &db, const QString &sql, QString *error)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    sqlite3 *connection = qstrcmp(handle.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3 *const *>(handle.constData())
                                                                      : nullptr;
    if (!connection) {
        *error = QCoreApplication::translate("SqliteStatement", "brak połączenia z plikiem historii");
        return nullptr;
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(connection, text.constData(), text.size(), &statement, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
        sqlite3_finalize(statement);
        return nullptr;
    }
    return std::unique_ptr<SqliteStatement>(new SqliteStatement(statement));
}

bool SqliteStatement::exec(const QVector<QVariant> &values, int *affected, QString *error)
{
    const bool done = forEachRow(values, [] {}, error);
    *affected = sqlite3_changes(sqlite3_db_handle(m_statement));
    return done;
}

bool SqliteStatement::forEachRow(const QVector<QVariant> &values, const std::function<void()> &row, QString *error)
{
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values.at(i))) {
            *error = lastError();
            return false;
        }
    }
    int step;
    while ((step = sqlite3_step(m_statement)) == SQLITE_ROW)
        row();
    const bool done = step == SQLITE_DONE;
    if (!done)
        *error = lastError();
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    return done;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QByteArray SqliteStatement::text(int column) const
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArray::fromRawData(bytes, sqlite3_column_bytes(m_statement, column));
}

bool SqliteStatement::bind(int index, const QVariant &value)
{
    if (value.isNull())
        return sqlite3_bind_null(m_statement, index) == SQLITE_OK;
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::LongLong:
    case QVariant::UInt:
    case QVariant::Bool:
        return sqlite3_bind_int64(m_statement, index, value.toLongLong()) == SQLITE_OK;
    case QVariant::Double:
        return sqlite3_bind_double(m_statement, index, value.toDouble()) == SQLITE_OK;
    case QVariant::ByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(m_statement, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(m_statement, index, text.constData(), text.size(), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    }
}

QString SqliteStatement::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
}
