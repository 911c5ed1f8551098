// The history store on SQLite and, when a server is given, on PostgreSQL:
// passes of 5,000 samples written, bytes on disk per raw sample, the export
// of one point over 7 days at 10 s, and min/max steps over 7 days and over
// a year. Prints figures; no thresholds are checked here.
//
// PostgreSQL through TESK_TEST_PG_HOST, _PORT, _USER, _DB (and PGPASSWORD);
// scripts/pg-server starts a throwaway server:
//
//     scripts/pg-server run build/bench/bench_history

#include "benchstores.h"
#include "historystore.h"
#include "monitoringrecord.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

const int kPass = 5000;
const int kPasses = 200;
const qint64 kInterval = 10000;
const qint64 kDay = 24 * 3600 * 1000LL;
const int kSteps = 1920;
const int kHistoryHours = 2;

QTextStream out(stdout);

double median(int runs, const std::function<void()> &work)
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.append(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(runs / 2);
}

// A temperature read in tenths, as controllers give it.
double reading(qint64 i)
{
    return 20 + double((i * 7919) % 600) / 10;
}

bool fail(const QString &what, const QString &error)
{
    out << "  " << what << " failed: " << error << "\n";
    out.flush();
    return false;
}

// The samples table alone, as the database counts it.
qint64 samplesTableBytes(const StoreRecord &record, const QString &dir)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(record.isPostgres() ? "QPSQL" : "QSQLITE", "bench_size");
    qint64 bytes = -1;
    {
        db.setDatabaseName(record.isPostgres() ? record.database : dir + "/" + record.path);
        db.setHostName(record.host);
        db.setPort(record.port.toInt());
        db.setUserName(record.user);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(record.isPostgres() ? "SELECT pg_total_relation_size('samples')"
                                           : "SELECT sum(pgsize) FROM dbstat WHERE name = 'samples'")
                && q.next())
                bytes = q.value(0).toLongLong();
        }
        db = QSqlDatabase();
    }
    QSqlDatabase::removeDatabase("bench_size");
    return bytes;
}

QString pointName(int points, int p)
{
    return QStringLiteral("obj%1.s%2.t").arg(points).arg(p);
}

// kHistoryHours of every point's samples before start, point after point,
// so that the passes write into a store that has a history already, as a
// site's has: each point's latest samples on pages of their own.
bool writeHistory(HistoryStore &store, qint64 start, int points)
{
    QElapsedTimer t;
    t.start();
    const qint64 perPoint = kHistoryHours * 3600 * 1000 / kInterval;
    QVector<HistorySample> samples;
    QString error;
    for (int p = 0; p < points; ++p) {
        for (qint64 i = perPoint; i > 0; --i) {
            samples.append({pointName(points, p), start - i * kInterval, reading(p + i), {}});
            if (samples.size() == kPass || (p == points - 1 && i == 1)) {
                if (!store.write(samples, &error))
                    return fail("history", error);
                samples.clear();
            }
        }
    }
    out << "  history before the passes: " << kHistoryHours << " h of " << points << " points ("
        << perPoint * points << " samples) written in " << t.nsecsElapsed() / 1e9 << " s\n";
    return true;
}

// Passes of kPass samples over points points, each pass kPass / points
// consecutive times of each, into a store with a history of those points.
bool writeRate(const StoreRecord &record, const QString &dir, const qint64 start, int points)
{
    HistoryStore store;
    QString error;
    if (!store.open(record, dir, 0, 0, &error))
        return fail("open", error);
    if (!writeHistory(store, start, points))
        return false;
    QVector<double> passMs;
    for (int pass = 0; pass < kPasses; ++pass) {
        QVector<HistorySample> samples;
        samples.reserve(kPass);
        const int times = kPass / points;
        for (int p = 0; p < points; ++p) {
            for (int i = 0; i < times; ++i) {
                const qint64 n = qint64(pass) * times + i;
                samples.append({pointName(points, p), start + n * kInterval,
                                reading(p + n), {}});
            }
        }
        QElapsedTimer t;
        t.start();
        if (!store.write(samples, &error))
            return fail("write", error);
        passMs.append(t.nsecsElapsed() / 1e6);
    }
    // Passes are staged and folded in now and then: what is still staged
    // counts too, folded by reopening the store.
    QElapsedTimer t;
    t.start();
    store.close();
    if (!store.open(record, dir, 0, 0, &error))
        return fail("reopen", error);
    const double restMs = t.nsecsElapsed() / 1e6;
    const double seconds = (std::accumulate(passMs.cbegin(), passMs.cend(), 0.0) + restMs) / 1000;
    std::sort(passMs.begin(), passMs.end());
    out << "  written: " << kPasses << " passes of " << kPass << " samples (" << points << " points): "
        << qRound(kPasses * kPass / seconds) << " samples/s, the rest folded in on reopening (" << restMs
        << " ms) included; a pass: median " << passMs.at(passMs.size() / 2) << " ms, slowest " << passMs.last()
        << " ms (a fold)\n";
    out.flush();
    return true;
}

bool writeYear(HistoryStore &store, qint64 end)
{
    QString error;
    QElapsedTimer t;
    t.start();
    const qint64 count = 365 * kDay / kInterval;
    QVector<HistorySample> samples;
    for (qint64 i = 0; i < count; ++i) {
        samples.append({QStringLiteral("kot.t_zas"), end - (count - i) * kInterval, reading(i), {}});
        if (samples.size() == kPass || i == count - 1) {
            if (!store.write(samples, &error))
                return fail("write", error);
            samples.clear();
        }
    }
    out << "  one point over a year at 10 s: " << count << " samples written in "
        << t.nsecsElapsed() / 1e9 << " s\n";
    out.flush();
    return true;
}

void run(const QString &name, const StoreRecord &record, const QString &dir)
{
    out << name << "\n";
    out.flush();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 end = now - now % kInterval;
    if (!writeRate(record, dir, end - kPasses * kInterval, kPass)
        || !writeRate(record, dir, end - 10 * kPasses * kInterval, kPass / 10))
        return;
    HistoryStore store;
    QString error;
    if (!store.open(record, dir, 0, 0, &error) || !writeYear(store, end)) {
        fail("year", error);
        return;
    }
    int rows = 0;
    const double exportMs = median(5, [&] { rows = store.samples("kot.t_zas", end - 7 * kDay, end, &error).size(); });
    out << "  export of one point over 7 days: " << rows << " rows, " << exportMs << " ms (median of 5)\n";
    const double weekMs = median(11, [&] { store.steps("kot.t_zas", end - 7 * kDay, end, kSteps, &error); });
    const double yearMs = median(11, [&] { store.steps("kot.t_zas", end - 365 * kDay, end, kSteps, &error); });
    out << "  min/max in " << kSteps << " steps: 7 days " << weekMs << " ms, a year " << yearMs
        << " ms (medians of 11)\n";
    store.close();
    // Reopened, so that SQLite has folded its log into the file.
    store.open(record, dir, 0, 0, &error);
    HistoryStats stats;
    if (!store.stats(&stats, &error)) {
        fail("stats", error);
        return;
    }
    store.close();
    const qint64 table = samplesTableBytes(record, dir);
    out << "  on disk: " << stats.bytes << " bytes for " << stats.samples << " samples: "
        << double(stats.bytes) / stats.samples << " bytes a raw sample with the rollups, "
        << double(table) / stats.samples << " in the samples table alone\n";
    if (!error.isEmpty())
        out << "  error: " << error << "\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    return BenchStores::main(argc, argv, [](const BenchStore &store, const QString &dir) {
        run(store.name, store.record, dir);
    });
}
