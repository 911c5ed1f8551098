#include "alarmjournalread.h"

#include "historycsv.h"
#include "historystore.h"
#include "monitoringrecord.h"
#include "storeread.h"

namespace AlarmJournalRead {

Events events(const MonitoringRecord &record, const QString &projectDir, const AlarmJournalQuery &query)
{
    Events read;
    HistoryStore store;
    QString why;
    if (StoreRead::open(store, record, projectDir, &read.error) && !store.journal(query, &read.events, &why))
        read.error = StoreRead::unavailable(why);
    return read;
}

Report report(const MonitoringRecord &record, const QString &projectDir, qint64 fromMs, qint64 toMs)
{
    Report read;
    HistoryStore store;
    QString why;
    if (StoreRead::open(store, record, projectDir, &read.error) && !store.alarmReport(fromMs, toMs, &read.report, &why))
        read.error = StoreRead::unavailable(why);
    return read;
}

Written toFile(const MonitoringRecord &record, const QString &projectDir, const AlarmJournalQuery &query,
               const QString &path)
{
    Written written;
    const Events read = events(record, projectDir, query);
    if (!read.error.isEmpty()) {
        written.error = read.error;
        return written;
    }
    QString text = HistoryCsv::alarmHeader();
    for (const AlarmEvent &e : read.events)
        text += HistoryCsv::alarmRow(e);
    written.error = StoreRead::save(path, text);
    if (!written.error.isEmpty())
        return written;
    written.rows = read.events.size();
    return written;
}

} // namespace AlarmJournalRead
