#pragma once

#include "monitoringrecord.h"

#include <QString>
#include <QVector>

#include <functional>

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
// Runs sql on the store's database through a connection of its own, as a
// bench's setup does; false, with the error printed, when it fails.
bool exec(const StoreRecord &record, const QString &dir, const QStringList &sql);
// The times of runs calls of work in milliseconds, sorted; empty when a
// call answered false.
QVector<double> timesMs(int runs, const std::function<bool()> &work);

} // namespace BenchStores
