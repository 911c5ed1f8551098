#pragma once

#include "alarmcommand.h"
#include "storelease.h"

#include <QVector>

class HistoryDialect;
class QSqlDatabase;
class StatementCache;

// What the engines and stations on one store share beside the history:
// the lease of the engine that records, and the alarm actions the other
// stations send it. Runs inside the caller's transaction.
namespace StoreSharing {

// Takes the lease for claim's holder when it is free, lapsed or already
// its own, renewed now; *lease: who holds it afterwards.
bool claim(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, const StoreLease &claim,
           StoreLease *lease, QString *error);
// Frees the lease if holder still holds it.
bool release(QSqlDatabase &db, StatementCache &statements, const QString &holder, QString *error);
bool read(QSqlDatabase &db, StatementCache &statements, const HistoryDialect &dialect, StoreLease *lease,
          QString *error);

bool send(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmCommand> &commands, QString *error);
// The commands waiting, in the order they were sent, taken off the store.
bool take(QSqlDatabase &db, StatementCache &statements, QVector<AlarmCommand> *commands, QString *error);

} // namespace StoreSharing
