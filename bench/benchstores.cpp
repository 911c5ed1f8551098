#include "benchstores.h"

#include "historystore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace BenchStores {

QVector<BenchStore> all(const QString &dir)
{
    QVector<BenchStore> stores{{QStringLiteral("SQLite (%1)").arg(dir), StoreRecord()}};
    if (qEnvironmentVariableIsEmpty("TESK_TEST_PG_HOST")) {
        QTextStream(stdout) << "PostgreSQL: no server given (TESK_TEST_PG_*); scripts/pg-server run starts one\n";
        return stores;
    }
    StoreRecord pg;
    pg.driver = QStringLiteral("postgresql");
    pg.host = qEnvironmentVariable("TESK_TEST_PG_HOST");
    pg.port = qEnvironmentVariable("TESK_TEST_PG_PORT");
    pg.user = qEnvironmentVariable("TESK_TEST_PG_USER");
    pg.database = qEnvironmentVariable("TESK_TEST_PG_DB");
    stores.append({QStringLiteral("PostgreSQL (%1:%2)").arg(pg.host, pg.port), pg});
    return stores;
}

int main(int argc, char *argv[], const std::function<void(const BenchStore &, const QString &dir)> &run)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    for (const BenchStore &store : all(dir.path()))
        run(store, dir.path());
    return 0;
}

bool exec(const StoreRecord &record, const QString &dir, const QStringList &sql)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(record.isPostgres() ? "QPSQL" : "QSQLITE", "bench_setup");
        db.setDatabaseName(record.isPostgres() ? record.database : dir + "/" + record.path);
        db.setHostName(record.host);
        db.setPort(record.port.toInt());
        db.setUserName(record.user);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        for (const QString &s : sql) {
            if (ok && !query.exec(s)) {
                QTextStream(stdout) << "  setup failed: " << query.lastError().text() << "\n";
                ok = false;
            }
        }
        ok = ok && db.isOpen();
    }
    QSqlDatabase::removeDatabase("bench_setup");
    return ok;
}

bool openEmpty(HistoryStore *history, const BenchStore &store, const QString &dir)
{
    QTextStream out(stdout);
    out << store.name << "\n";
    QString error;
    if (!history->open(store.record, dir, 0, 0, &error)) {
        out << "  open failed: " << error << "\n";
        return false;
    }
    out.flush();
    return !store.record.isPostgres()
        || exec(store.record, dir, {"DELETE FROM alarm_journal", "DELETE FROM alarm_state", "DELETE FROM audit"});
}

bool filled(HistoryStore *history, const BenchStore &store, const QString &dir, const QString &table,
            const std::function<bool(QString *error)> &fill)
{
    if (!openEmpty(history, store, dir))
        return false;
    QString error;
    if (!fill(&error)) {
        QTextStream(stdout) << "  setup failed: " << error << "\n";
        return false;
    }
    return !store.record.isPostgres() || exec(store.record, dir, {QStringLiteral("ANALYZE ") + table});
}

QVector<double> timesMs(int runs, const std::function<bool()> &work)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        if (!work())
            return {};
        times.append(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace BenchStores
