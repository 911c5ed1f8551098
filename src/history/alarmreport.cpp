#include "alarmreport.h"

#include "alarmjournal.h"

#include <QHash>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

using Key = QPair<QString, QString>; // point, kind

// Runs a query on the range's rows: the values bound in order.
bool select(QSqlQuery &q, const QString &sql, const QVariantList &values, QString *error)
{
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}

bool finished(const QSqlQuery &q, QString *error)
{
    if (!q.lastError().isValid())
        return true;
    *error = q.lastError().text();
    return false;
}

qint64 periodOf(qint64 ms)
{
    const qint64 p = AlarmReport::kPeriodMs;
    return ms >= 0 ? ms / p : -((-ms + p - 1) / p);
}

// One pass over the range: the raises by priority and the shelvings and
// removals from service.
bool countEvents(QSqlDatabase &db, AlarmReport *r, QString *error)
{
    QSqlQuery q(db);
    if (!select(q,
                QStringLiteral("SELECT count(CASE WHEN event = 'raised' AND priority <= 1 THEN 1 END),"
                               " count(CASE WHEN event = 'raised' AND priority = 2 THEN 1 END),"
                               " count(CASE WHEN event = 'raised' AND priority = 3 THEN 1 END),"
                               " count(CASE WHEN event = 'raised' AND priority >= 4 THEN 1 END),"
                               " count(CASE WHEN event = 'shelved' THEN 1 END),"
                               " count(CASE WHEN event = 'outofservice' THEN 1 END)"
                               " FROM alarm_journal WHERE t >= ? AND t < ?"),
                {r->fromMs, r->toMs}, error))
        return false;
    if (!q.next()) {
        *error = q.lastError().text();
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        r->byPriority[i] = q.value(i).toLongLong();
        r->alarms += r->byPriority[i];
    }
    r->shelvedEvents = q.value(4).toLongLong();
    r->outOfServiceEvents = q.value(5).toLongLong();
    return true;
}

// The raises of each period; only the peak and the number in flood come back.
bool countPeriods(QSqlDatabase &db, AlarmReport *r, QString *error)
{
    const qint64 first = periodOf(r->fromMs);
    r->periods = periodOf(r->toMs - 1) - first + 1;
    QSqlQuery q(db);
    if (!select(q,
                QStringLiteral("SELECT b, n, sum(CASE WHEN n >= %1 THEN 1 ELSE 0 END) OVER () FROM"
                               " (SELECT (t - ?) / %2 AS b, count(*) AS n FROM alarm_journal"
                               " WHERE event = 'raised' AND t >= ? AND t < ? GROUP BY 1) AS g"
                               " ORDER BY n DESC, b LIMIT 1")
                    .arg(AlarmReport::kFloodAlarms)
                    .arg(AlarmReport::kPeriodMs),
                {first * AlarmReport::kPeriodMs, r->fromMs, r->toMs}, error))
        return false;
    if (q.next()) {
        r->peakStartMs = (first + q.value(0).toLongLong()) * AlarmReport::kPeriodMs;
        r->peakCount = q.value(1).toLongLong();
        r->floodPeriods = q.value(2).toLongLong();
    }
    return finished(q, error);
}

bool lessFrequent(const AlarmReport::Alarm &a, const AlarmReport::Alarm &b)
{
    if (a.count != b.count)
        return a.count > b.count;
    return a.point != b.point ? a.point < b.point : a.kind < b.kind;
}

// Each alarm raised in the range with its count and its latest text.
bool countAlarms(QSqlDatabase &db, const AlarmReport &r, QHash<Key, AlarmReport::Alarm> *alarms, QString *error)
{
    QSqlQuery q(db);
    if (!select(q,
                QStringLiteral("SELECT g.point, g.kind, g.n, j.alarm_text FROM"
                               " (SELECT point, kind, count(*) AS n, max(id) AS last FROM alarm_journal"
                               " WHERE event = 'raised' AND t >= ? AND t < ? GROUP BY point, kind) AS g"
                               " JOIN alarm_journal j ON j.id = g.last"),
                {r.fromMs, r.toMs}, error))
        return false;
    while (q.next()) {
        const AlarmReport::Alarm a{q.value(0).toString(), q.value(1).toString(), q.value(3).toString(),
                                   q.value(2).toLongLong()};
        alarms->insert({a.point, a.kind}, a);
    }
    return finished(q, error);
}

// Rows of point, kind and a number, each with the alarm's text; Row is an
// Alarm or a Stale.
template <typename Row>
bool listed(QSqlQuery &q, const QHash<Key, AlarmReport::Alarm> &alarms, QVector<Row> *rows, QString *error)
{
    while (q.next()) {
        const Key key{q.value(0).toString(), q.value(1).toString()};
        rows->append({key.first, key.second, alarms.value(key).text, q.value(2).toLongLong()});
    }
    return finished(q, error);
}

bool countChatter(QSqlDatabase &db, AlarmReport *r, const QHash<Key, AlarmReport::Alarm> &alarms, QString *error)
{
    QSqlQuery q(db);
    if (!select(q,
                QStringLiteral("SELECT point, kind, count(*) FROM"
                               " (SELECT point, kind, t, LAG(t, 2) OVER (PARTITION BY point, kind ORDER BY t, id) AS t2"
                               " FROM alarm_journal WHERE event = 'raised' AND t >= ? AND t < ?) AS r"
                               " WHERE t - t2 <= %1 GROUP BY point, kind")
                    .arg(AlarmReport::kChatterMs),
                {r->fromMs, r->toMs}, error))
        return false;
    if (!listed(q, alarms, &r->chattering, error))
        return false;
    std::sort(r->chattering.begin(), r->chattering.end(), lessFrequent);
    return true;
}

// A raise's clearing is the first clear of the alarm after it: found as the
// least clear time of the rows after it, walking the alarm's rows backwards.
bool findStale(QSqlDatabase &db, AlarmReport *r, const QHash<Key, AlarmReport::Alarm> &alarms, QString *error)
{
    QSqlQuery q(db);
    if (!select(q,
                QStringLiteral("SELECT point, kind, t FROM"
                               " (SELECT point, kind, event, t, min(CASE WHEN event = 'cleared' THEN t END)"
                               " OVER (PARTITION BY point, kind ORDER BY t DESC, id DESC"
                               " ROWS BETWEEN UNBOUNDED PRECEDING AND 1 PRECEDING) AS cleared"
                               " FROM alarm_journal WHERE event IN ('raised', 'cleared') AND t >= ? AND t < ?) AS r"
                               " WHERE event = 'raised' AND coalesce(cleared, ?) - t > %1 ORDER BY t, point, kind")
                    .arg(AlarmReport::kStaleMs),
                {r->fromMs, r->toMs, r->toMs}, error))
        return false;
    return listed(q, alarms, &r->stale, error);
}

bool heldNow(QSqlDatabase &db, AlarmReport *r, QString *error)
{
    QVector<AlarmSnapshot> states;
    if (!AlarmJournal::states(db, &states, error))
        return false;
    for (const AlarmSnapshot &s : qAsConst(states)) {
        if (s.shelvedUntilMs)
            r->shelvedNow << s;
        if (s.outOfService)
            r->outOfServiceNow << s;
    }
    return true;
}

} // namespace

bool AlarmReport::compute(QSqlDatabase &db, qint64 fromMs, qint64 toMs, AlarmReport *report, QString *error)
{
    *report = AlarmReport();
    report->fromMs = fromMs;
    report->toMs = toMs;
    if (toMs <= fromMs)
        return heldNow(db, report, error);
    QHash<Key, Alarm> alarms;
    if (!countEvents(db, report, error) || !countPeriods(db, report, error) || !countAlarms(db, *report, &alarms, error)
        || !countChatter(db, report, alarms, error) || !findStale(db, report, alarms, error))
        return false;
    report->mostFrequent = alarms.values().toVector();
    std::sort(report->mostFrequent.begin(), report->mostFrequent.end(), lessFrequent);
    report->mostFrequent.resize(qMin(report->mostFrequent.size(), kMostFrequent));
    return heldNow(db, report, error);
}
