#include "monitoringcheck.h"

#include "schemefile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MonitoringCheck", text);
}

// The limit kinds from the lowest to the highest.
const QStringList kLimitOrder = {QStringLiteral("lowlow"), QStringLiteral("low"), QStringLiteral("high"),
                                 QStringLiteral("highhigh")};

} // namespace

namespace MonitoringCheck {

QString alarmKindName(const QString &kind)
{
    if (kind == QLatin1String("highhigh"))
        return tr("Bardzo wysoka wartość (HH)");
    if (kind == QLatin1String("high"))
        return tr("Wysoka wartość (H)");
    if (kind == QLatin1String("low"))
        return tr("Niska wartość (L)");
    if (kind == QLatin1String("lowlow"))
        return tr("Bardzo niska wartość (LL)");
    if (kind == QLatin1String("state"))
        return tr("Stan");
    if (kind == QLatin1String("error"))
        return tr("Błąd zmiennej");
    if (kind == QLatin1String("comm"))
        return tr("Brak komunikacji");
    return kind;
}

// A limit under one of a lower kind, or over one of a higher kind.
static QString orderProblem(const AlarmDefinition &alarm, const QList<AlarmDefinition> &others)
{
    const int rank = kLimitOrder.indexOf(alarm.kind);
    for (const AlarmDefinition &o : others) {
        const int otherRank = kLimitOrder.indexOf(o.kind);
        if (rank < 0 || otherRank < 0 || otherRank == rank)
            continue;
        if ((otherRank < rank && alarm.limit < o.limit) || (otherRank > rank && alarm.limit > o.limit))
            return tr("Granica %1 (%2) nie może być %3 granicy %4 (%5).")
                .arg(alarmKindName(alarm.kind), QString::number(alarm.limit),
                     otherRank < rank ? tr("poniżej") : tr("powyżej"), alarmKindName(o.kind), QString::number(o.limit));
    }
    return QString();
}

QString alarmProblem(const AlarmDefinition &alarm, const QString &pointType, const QList<AlarmDefinition> &others)
{
    const QString name = alarmKindName(alarm.kind);
    for (const AlarmDefinition &o : others) {
        if (o.kind == alarm.kind)
            return tr("Rodzaj: punkt ma już alarm „%1”.").arg(name);
    }
    if (alarm.kind == QLatin1String("state") && pointType != QLatin1String("logic") && pointType != QLatin1String("int"))
        return tr("Alarm „%1”: tylko dla zmiennych logicznych i całkowitych.").arg(name);
    if (alarm.isLimit() && !(alarm.deadband >= 0))
        return tr("Alarm „%1”: histereza nie może być mniejsza niż 0.").arg(name);
    if (alarm.onDelay < 0 || alarm.offDelay < 0)
        return tr("Alarm „%1”: zwłoka nie może być mniejsza niż 0.").arg(name);
    if (alarm.priority < 1 || alarm.priority > 4)
        return tr("Alarm „%1”: priorytet od 1 do 4.").arg(name);
    if (alarm.text.trimmed().isEmpty())
        return tr("Alarm „%1”: podaj tekst alarmu.").arg(name);
    return orderProblem(alarm, others);
}

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
    for (int i = 0; i < point.alarms.size(); ++i) {
        QList<AlarmDefinition> others = point.alarms;
        others.removeAt(i);
        const QString problem = alarmProblem(point.alarms.at(i), point.type, others);
        if (!problem.isEmpty())
            return problem;
    }
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
    if (record.commAlarmDelay < 1)
        return tr("Alarm braku komunikacji po: co najmniej 1 s.");
    if (record.maxShelveHours < 1)
        return tr("Odłożenie alarmu najwyżej na: co najmniej 1 godzinę.");
    return storeProblem(record.store);
}

bool isPenColour(const QString &colour)
{
    static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return colour.isEmpty() || rgb.match(colour).hasMatch();
}

bool isPenWidth(double width)
{
    return width >= 0.5 && width <= 10;
}

bool isPenStyle(const QString &style)
{
    return style == QLatin1String("solid") || style == QLatin1String("dash") || style == QLatin1String("dot");
}

static QString penProblem(const TrendPenRecord &pen)
{
    if (!isPenColour(pen.colour))
        return tr("Punkt „%1”: kolor w postaci #rrggbb.").arg(pen.point);
    if (!isPenWidth(pen.width))
        return tr("Punkt „%1”: grubość linii od 0,5 do 10 pikseli.").arg(pen.point);
    if (!isPenStyle(pen.style))
        return tr("Punkt „%1”: linia ciągła, kreskowana lub kropkowana.").arg(pen.point);
    return QString();
}

QString trendProblem(const TrendSetRecord &trend, const QStringList &otherNames)
{
    if (trend.name.trimmed().isEmpty())
        return tr("Nazwa: podaj nazwę trendu.");
    if (otherNames.contains(trend.name))
        return tr("Nazwa „%1”: ma ją już inny trend.").arg(trend.name);
    if (trend.pens.isEmpty() || trend.pens.size() > TrendSetRecord::kMaxPens)
        return tr("Trend: od 1 do %1 punktów.").arg(TrendSetRecord::kMaxPens);
    QSet<QString> points;
    for (const TrendPenRecord &pen : trend.pens) {
        if (pen.point.isEmpty())
            return tr("Trend: każda linia musi mieć punkt.");
        if (points.contains(pen.point))
            return tr("Punkt „%1”: jest już w trendzie.").arg(pen.point);
        points.insert(pen.point);
        const QString problem = penProblem(pen);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

QStringList unmonitoredPens(const MonitoringRecord &record)
{
    QSet<QString> ids;
    for (const MonitoringPoint &p : record.points)
        ids.insert(p.id);
    QStringList found;
    for (const TrendSetRecord &t : record.trends) {
        for (const TrendPenRecord &pen : t.pens) {
            if (!ids.contains(pen.point))
                found << t.name + QStringLiteral(": ") + pen.point;
        }
    }
    return found;
}

} // namespace MonitoringCheck
