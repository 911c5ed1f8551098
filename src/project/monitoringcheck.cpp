#include "monitoringcheck.h"

#include "schemefile.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MonitoringCheck", text);
}

} // namespace

namespace MonitoringCheck {

// Within the namespace, so that its texts are translated in its context.
static QString storeProblem(const StoreRecord &store)
{
    if (!store.isPostgres())
        return store.path.trimmed().isEmpty() ? tr("Plik SQLite: podaj ścieżkę pliku historii.") : QString();
    if (store.host.trimmed().isEmpty())
        return tr("Serwer: podaj adres serwera PostgreSQL.");
    bool numeric = false;
    const int port = store.port.toInt(&numeric);
    // No port: the client library's default one.
    if (!store.port.isEmpty() && (!numeric || port < 1 || port > 65535))
        return tr("Port: „%1” nie jest liczbą od 1 do 65535.").arg(store.port);
    if (store.database.trimmed().isEmpty())
        return tr("Baza danych: podaj nazwę bazy danych.");
    return QString();
}

QString pointProblem(const MonitoringPoint &point, const QStringList &otherIds)
{
    QString reason;
    if (point.id.isEmpty())
        return tr("ID: podaj ID punktu.");
    if (!SchemeFile::isValidSchemeId(point.id, &reason))
        return tr("ID „%1”: %2.").arg(point.id, reason);
    if (otherIds.contains(point.id))
        return tr("ID „%1”: ma je już inny punkt.").arg(point.id);
    if (point.device.isEmpty())
        return tr("Sterownik: wybierz sterownik.");
    if (point.devVar.trimmed().isEmpty())
        return tr("Zmienna: podaj zmienną sterownika.");
    if (!(point.deadband >= 0))
        return tr("Strefa nieczułości: nie może być mniejsza niż 0.");
    if (point.maxGap < 0)
        return tr("Najdłuższa przerwa: nie może być mniejsza niż 0.");
    return QString();
}

QString settingsProblem(const MonitoringRecord &record)
{
    if (record.interval < 1)
        return tr("Przebieg co: co najmniej 1 s.");
    if (record.retentionDays < 1)
        return tr("Próbki przechowywane: co najmniej 1 dzień.");
    if (record.rollupDays < 1)
        return tr("Agregaty przechowywane: co najmniej 1 dzień.");
    return storeProblem(record.store);
}

} // namespace MonitoringCheck
