#include "historyschema.h"

#include "historydialect.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVector>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HistorySchema", text);
}

// Step n takes the tables from version n to n + 1; step 0 makes them.
QVector<QStringList> steps(const HistoryDialect &dialect)
{
    return {dialect.schemaVersion1(), dialect.schemaVersion2(), dialect.schemaVersion3(), dialect.schemaVersion4(),
            dialect.schemaVersion5(), dialect.schemaVersion6()};
}

bool run(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

// The version the tables have: 0 in an empty database, -1 when it holds
// tables that are not a history store's.
int versionOf(QSqlDatabase &db, QString *error)
{
    const QStringList tables = db.tables(QSql::Tables);
    if (!tables.contains(QStringLiteral("schema_version")))
        return tables.isEmpty() ? 0 : -1;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool migrate(QSqlDatabase &db, const HistoryDialect &dialect, int from, QString *error)
{
    const QVector<QStringList> all = steps(dialect);
    if (from == 0 && !run(db, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"), error))
        return false;
    for (int step = from; step < all.size(); ++step) {
        for (const QString &sql : all.at(step)) {
            if (!run(db, sql, error))
                return false;
        }
    }
    return run(db, QStringLiteral("DELETE FROM schema_version"), error)
        && run(db, QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(all.size()), error);
}

// Why the tables at version cannot be used: another program's, or a newer
// version's; empty when they can (perhaps after a migration).
QString versionProblem(int version, const QString &why)
{
    if (version < 0)
        return why.isEmpty() ? QCoreApplication::translate("HistorySchema", "baza danych zawiera tabele innego programu") : why;
    if (version > HistorySchema::currentVersion())
        return QCoreApplication::translate("HistorySchema", "historia zapisana przez nowszą wersję programu (schemat %1)")
            .arg(version);
    return QString();
}

} // namespace

int HistorySchema::currentVersion()
{
    return steps(HistoryDialect()).size();
}

bool HistorySchema::isCurrent(QSqlDatabase &db, QString *error)
{
    QString why;
    const int version = versionOf(db, &why);
    if (version == currentVersion())
        return true;
    *error = versionProblem(version, why);
    if (error->isEmpty())
        *error = version == 0 ? tr("baza danych nie zawiera historii")
                              : tr("historia w starszym schemacie %1: otworzy ją program, który ją zapisuje").arg(version);
    return false;
}

bool HistorySchema::ensure(QSqlDatabase &db, const HistoryDialect &dialect, QString *error)
{
    QString why;
    const int version = versionOf(db, &why);
    if (version == currentVersion())
        return true;
    *error = versionProblem(version, why);
    if (!error->isEmpty())
        return false;
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    if (migrate(db, dialect, version, error) && db.commit())
        return true;
    if (error->isEmpty())
        *error = db.lastError().text();
    db.rollback();
    return false;
}
