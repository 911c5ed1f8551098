#include "auditread.h"

#include "historycsv.h"
#include "historystore.h"
#include "monitoringrecord.h"

namespace AuditRead {

Records records(const MonitoringRecord &record, const QString &projectDir, const AuditQuery &query)
{
    Records read;
    HistoryStore store;
    QString why;
    if (StoreRead::open(store, record, projectDir, &read.error) && !store.audit(query, &read.records, &why))
        read.error = StoreRead::unavailable(why);
    return read;
}

StoreRead::Written toFile(const MonitoringRecord &record, const QString &projectDir, const AuditQuery &query,
                          const QString &path)
{
    StoreRead::Written written;
    const Records read = records(record, projectDir, query);
    written.error = read.error;
    if (!written.error.isEmpty())
        return written;
    QString text = HistoryCsv::auditHeader();
    for (const AuditRecord &r : read.records)
        text += HistoryCsv::auditRow(r);
    written.error = StoreRead::save(path, text);
    if (written.error.isEmpty())
        written.rows = read.records.size();
    return written;
}

} // namespace AuditRead
