#include "storeread.h"

#include "historystore.h"
#include "monitoringrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace StoreRead {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("StoreRead", text);
}

} // namespace

bool open(HistoryStore &store, const MonitoringRecord &record, const QString &projectDir, QString *error)
{
    QString why;
    if (store.openForReading(record.store, projectDir, record.retentionDays, record.rollupDays, &why))
        return true;
    *error = unavailable(why);
    return false;
}

QString unavailable(const QString &why)
{
    return tr("historia niedostępna: %1").arg(why);
}

QString save(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return QString();
    return tr("nie można zapisać pliku %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace StoreRead
