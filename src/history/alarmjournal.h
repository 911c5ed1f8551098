#pragma once

#include "alarmevent.h"
#include "alarmjournalquery.h"
#include "alarmsnapshot.h"

#include <QVector>

class QSqlDatabase;
class StatementCache;

// The alarm tables of a store: the journal, appended to and never changed
// (only the purge drops its oldest days), and the states kept between runs. Runs inside the caller's transaction.
namespace AlarmJournal {

bool append(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmEvent> &events, QString *error);
// A plainly normal state is forgotten.
bool keep(QSqlDatabase &db, StatementCache &statements, const QVector<AlarmSnapshot> &states, QString *error);
bool states(QSqlDatabase &db, QVector<AlarmSnapshot> *states, QString *error);
// The rows the query asks for, oldest first, rows of one time in the order
// they were written.
bool read(QSqlDatabase &db, StatementCache &statements, const AlarmJournalQuery &query, QVector<AlarmEvent> *events,
          QString *error);

} // namespace AlarmJournal
