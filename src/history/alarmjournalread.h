#pragma once

#include "alarmevent.h"
#include "alarmjournalquery.h"
#include "alarmreport.h"
#include "storeread.h"

#include <QString>
#include <QVector>

struct MonitoringRecord;

// The alarm journal read for a window, beside the recorder: each call
// opens the project's store for reading on a connection of the calling
// thread. The errors are sentences for the operator.
namespace AlarmJournalRead {

struct Events
{
    QVector<AlarmEvent> events;
    QString error; // empty on success
};
Events events(const MonitoringRecord &record, const QString &projectDir, const AlarmJournalQuery &query);

struct Report
{
    AlarmReport report;
    QString error;
};
Report report(const MonitoringRecord &record, const QString &projectDir, qint64 fromMs, qint64 toMs);

using Written = StoreRead::Written;
// The rows the query asks for as CSV, tesk-history's own; the file at
// path is replaced only once all of it is written.
Written toFile(const MonitoringRecord &record, const QString &projectDir, const AlarmJournalQuery &query,
               const QString &path);

} // namespace AlarmJournalRead
