#pragma once

#include "auditquery.h"
#include "auditrecord.h"
#include "storeread.h"

#include <QVector>

struct MonitoringRecord;

// The audit trail read for a window, beside the recorder, on a connection
// of the calling thread.
namespace AuditRead {

struct Records
{
    QVector<AuditRecord> records; // oldest first
    QString error; // empty on success
};
Records records(const MonitoringRecord &record, const QString &projectDir, const AuditQuery &query);

// The rows the query asks for as CSV, tesk-history's own.
StoreRead::Written toFile(const MonitoringRecord &record, const QString &projectDir, const AuditQuery &query,
                          const QString &path);

} // namespace AuditRead
