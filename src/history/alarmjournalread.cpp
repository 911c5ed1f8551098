#include "alarmjournalread.h"

#include "historycsv.h"
#include "historystore.h"
#include "monitoringrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace AlarmJournalRead {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AlarmJournalRead", text);
}

bool open(HistoryStore &store, const MonitoringRecord &record, const QString &projectDir, QString *error)
{
    QString why;
    if (store.openForReading(record.store, projectDir, record.retentionDays, record.rollupDays, &why))
        return true;
    *error = tr("historia niedostępna: %1").arg(why);
    return false;
}

} // namespace

Events events(const MonitoringRecord &record, const QString &projectDir, const AlarmJournalQuery &query)
{
    Events read;
    HistoryStore store;
    QString why;
    if (open(store, record, projectDir, &read.error) && !store.journal(query, &read.events, &why))
        read.error = tr("historia niedostępna: %1").arg(why);
    return read;
}

Report report(const MonitoringRecord &record, const QString &projectDir, qint64 fromMs, qint64 toMs)
{
    Report read;
    HistoryStore store;
    QString why;
    if (open(store, record, projectDir, &read.error) && !store.alarmReport(fromMs, toMs, &read.report, &why))
        read.error = tr("historia niedostępna: %1").arg(why);
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
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        written.error = tr("nie można zapisać pliku %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return written;
    }
    written.rows = read.events.size();
    return written;
}

} // namespace AlarmJournalRead
