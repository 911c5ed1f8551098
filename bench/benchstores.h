#pragma once

#include "monitoringrecord.h"

#include <QString>
#include <QVector>

#include <functional>

class HistoryStore;

// Where a history benchmark runs: a SQLite file in a folder of its own and,
// when the test server's environment is set (TESK_TEST_PG_HOST, _PORT,
// _USER, _DB and PGPASSWORD; scripts/pg-server run sets it), PostgreSQL.
struct BenchStore
{
    QString name;
    StoreRecord record;
};

namespace BenchStores {

// SQLite in dir, then PostgreSQL if given; says so when it is not.
QVector<BenchStore> all(const QString &dir);
// A bench's main: run on every store, in a temporary folder.
int main(int argc, char *argv[], const std::function<void(const BenchStore &, const QString &dir)> &run);
// Opens the store, named on the output, with an empty journal and audit
// trail: what an earlier run left on a server is deleted. False, with why printed, when
// it fails.
bool openEmpty(HistoryStore *history, const BenchStore &store, const QString &dir);
// openEmpty, then fill on the store and, on a server, the planner's
// statistics of table brought up to date, as its autovacuum would have
// done; false, with why printed, when a step fails.
bool filled(HistoryStore *history, const BenchStore &store, const QString &dir, const QString &table,
            const std::function<bool(QString *error)> &fill);
// Runs sql on the store's database through a connection of its own, as a
// bench's setup does; false, with the error printed, when it fails.
bool exec(const StoreRecord &record, const QString &dir, const QStringList &sql);
// The times of runs calls of work in milliseconds, sorted; empty when a
// call answered false.
QVector<double> timesMs(int runs, const std::function<bool()> &work);

} // namespace BenchStores
