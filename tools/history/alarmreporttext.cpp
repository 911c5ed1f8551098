#include "alarmreporttext.h"

#include "historycsv.h"

#include <QStringList>

namespace {

using Rows = QList<QStringList>;

QString percent(double share)
{
    return QString::number(share * 100, 'f', 1) + QStringLiteral(" %");
}

// Rows under their header (none when empty) with each column as wide as its
// widest field; the columns named in right (numbers) aligned to the right.
// A table without rows says so.
QString table(const QStringList &header, const Rows &rows, const QList<int> &right = {0})
{
    if (rows.isEmpty())
        return QStringLiteral("  none\n");
    const Rows all = header.isEmpty() ? rows : Rows{header} + rows;
    QVector<int> widths(all.first().size());
    for (const QStringList &r : all) {
        for (int i = 0; i < r.size(); ++i)
            widths[i] = qMax(widths[i], r.at(i).size());
    }
    QString text;
    for (const QStringList &r : all) {
        QStringList fields;
        for (int i = 0; i < r.size(); ++i) {
            const bool last = i == r.size() - 1;
            fields << (right.contains(i) ? r.at(i).rightJustified(widths[i]) : last ? r.at(i) : r.at(i).leftJustified(widths[i]));
        }
        text += QStringLiteral("  ") + fields.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return text;
}

QString section(const QString &title, const QString &body)
{
    return QLatin1Char('\n') + title + QLatin1Char('\n') + body;
}

QString load(const AlarmReport &r)
{
    const Rows rows{{QStringLiteral("alarms raised"), QString::number(r.alarms)},
                    {QStringLiteral("10-minute periods"), QString::number(r.periods)},
                    {QStringLiteral("average per 10 minutes"), QString::number(r.perPeriod(), 'f', 2)},
                    {QStringLiteral("peak in 10 minutes"),
                     r.peakCount ? QStringLiteral("%1 from %2").arg(r.peakCount).arg(HistoryCsv::timeText(r.peakStartMs))
                                 : QStringLiteral("0")},
                    {QStringLiteral("periods in flood (%1 or more)").arg(AlarmReport::kFloodAlarms),
                     QStringLiteral("%1 (%2)").arg(r.floodPeriods).arg(percent(r.floodShare()))}};
    return table({}, rows, {});
}

QString priorities(const AlarmReport &r)
{
    const qint64 *p = r.byPriority;
    const Rows rows{{QStringLiteral("low (4)"), QString::number(p[3]), percent(r.lowShare()), QStringLiteral("80 %")},
                    {QStringLiteral("medium (3)"), QString::number(p[2]), percent(r.mediumShare()), QStringLiteral("15 %")},
                    {QStringLiteral("high (1 and 2)"), QString::number(p[0] + p[1]), percent(r.highShare()),
                     QStringLiteral("5 %")}};
    return table({QStringLiteral("class"), QStringLiteral("alarms"), QStringLiteral("share"), QStringLiteral("target")}, rows,
                 {1, 2, 3})
        + QStringLiteral("  by priority: 1: %1, 2: %2, 3: %3, 4: %4\n").arg(p[0]).arg(p[1]).arg(p[2]).arg(p[3]);
}

QString alarms(const QVector<AlarmReport::Alarm> &list)
{
    Rows rows;
    for (const AlarmReport::Alarm &a : list)
        rows << QStringList{QString::number(a.count), a.point, a.kind, a.text};
    return table({QStringLiteral("count"), QStringLiteral("point"), QStringLiteral("kind"), QStringLiteral("text")}, rows);
}

QString stale(const QVector<AlarmReport::Stale> &list)
{
    Rows rows;
    for (const AlarmReport::Stale &s : list)
        rows << QStringList{HistoryCsv::timeText(s.raisedMs), s.point, s.kind, s.text};
    return table({QStringLiteral("raised"), QStringLiteral("point"), QStringLiteral("kind"), QStringLiteral("text")}, rows,
                 {});
}

QString heldNow(const AlarmReport &r)
{
    Rows rows;
    for (const AlarmSnapshot &s : r.shelvedNow)
        rows << QStringList{s.point, s.kind, QStringLiteral("shelved until ") + HistoryCsv::timeText(s.shelvedUntilMs)};
    for (const AlarmSnapshot &s : r.outOfServiceNow)
        rows << QStringList{s.point, s.kind, QStringLiteral("out of service")};
    return table({QStringLiteral("point"), QStringLiteral("kind"), QStringLiteral("state")}, rows, {});
}

} // namespace

namespace AlarmReportText {

QString format(const AlarmReport &r)
{
    return QStringLiteral("Alarm report from %1 to %2\n").arg(HistoryCsv::timeText(r.fromMs), HistoryCsv::timeText(r.toMs))
        + section(QStringLiteral("Load"), load(r)) + section(QStringLiteral("Priorities"), priorities(r))
        + section(QStringLiteral("Most frequent alarms"), alarms(r.mostFrequent))
        + section(QStringLiteral("Chattering alarms (raises that were the third or more within %1 s)")
                      .arg(AlarmReport::kChatterMs / 1000),
                  alarms(r.chattering))
        + section(QStringLiteral("Stale alarms (not cleared within %1 hours)").arg(AlarmReport::kStaleMs / 3600000),
                  stale(r.stale))
        + section(QStringLiteral("Shelved and out of service"),
                  QStringLiteral("  shelved in the range: %1 times\n  taken out of service in the range: %2 times\n")
                      .arg(r.shelvedEvents)
                      .arg(r.outOfServiceEvents))
        + section(QStringLiteral("Shelved or out of service now"), heldNow(r));
}

} // namespace AlarmReportText
