#include "alarmreporthtml.h"

#include "monitoringcheck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace AlarmReportHtml {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AlarmReportHtml", text);
}

QString timeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString percent(double share)
{
    return QLocale().toString(share * 100, 'f', 1) + QStringLiteral(" %");
}

// A figure beside its target, marked by whether it meets it.
QString figureRow(const QString &name, const QString &value, const QString &target, bool met)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td><td>%3</td><td style=\"color:%4\">%5</td></tr>")
        .arg(name.toHtmlEscaped(), value.toHtmlEscaped(), target.toHtmlEscaped(),
             met ? QStringLiteral("#009e73") : QStringLiteral("#d55e00"), met ? tr("w normie") : tr("ponad cel"));
}

// A class of priorities: its share beside the share aimed at.
QString shareRow(const QString &name, double share, const QString &target)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td><td>%3</td></tr>")
        .arg(name.toHtmlEscaped(), percent(share), target.toHtmlEscaped());
}

QString alarmName(const QString &point, const QString &kind)
{
    return point + QStringLiteral(" · ") + MonitoringCheck::alarmKindName(kind);
}

QString heading(const QString &text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString alarmTable(const QVector<AlarmReport::Alarm> &alarms, const QString &countName, const QString &none)
{
    if (alarms.isEmpty())
        return QStringLiteral("<p>%1</p>").arg(none.toHtmlEscaped());
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                       .arg(tr("Alarm"), tr("Tekst"), countName.toHtmlEscaped());
    for (const AlarmReport::Alarm &a : alarms)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td></tr>")
                    .arg(alarmName(a.point, a.kind).toHtmlEscaped(), a.text.toHtmlEscaped())
                    .arg(a.count);
    return html + QStringLiteral("</table>");
}

QString loadSection(const AlarmReport &r)
{
    QString html = heading(tr("Obciążenie operatora")) + QStringLiteral("<table cellpadding=\"3\">");
    html += figureRow(tr("Średnio na 10 minut"), QLocale().toString(r.perPeriod(), 'f', 3), tr("cel: najwyżej 1"),
                      r.perPeriod() <= 1);
    html += figureRow(tr("Najwięcej w 10 minutach"),
                      r.peakCount ? tr("%1 (od %2)").arg(r.peakCount).arg(timeText(r.peakStartMs)) : QStringLiteral("0"),
                      tr("cel: poniżej 10"), r.peakCount < AlarmReport::kFloodAlarms);
    html += figureRow(tr("Czas w zalewie alarmów (10 i więcej na 10 minut)"), percent(r.floodShare()),
                      tr("cel: poniżej 1 %"), r.floodShare() < 0.01);
    return html + QStringLiteral("</table>");
}

QString prioritySection(const AlarmReport &r)
{
    QString html = heading(tr("Priorytety")) + QStringLiteral("<table cellpadding=\"3\">");
    html += shareRow(tr("Niski (4): %1").arg(r.byPriority[3]), r.lowShare(), tr("cel: około 80 %"));
    html += shareRow(tr("Średni (3): %1").arg(r.byPriority[2]), r.mediumShare(), tr("cel: około 15 %"));
    html += shareRow(tr("Wysoki i krytyczny (1–2): %1").arg(r.byPriority[0] + r.byPriority[1]), r.highShare(),
                     tr("cel: około 5 %"));
    return html + QStringLiteral("</table>");
}

QString staleSection(const AlarmReport &r)
{
    QString html = heading(tr("Alarmy trwające ponad 24 godziny"));
    if (r.stale.isEmpty())
        return html + QStringLiteral("<p>%1</p>").arg(tr("Brak."));
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                .arg(tr("Alarm"), tr("Tekst"), tr("Wystąpił"));
    for (const AlarmReport::Stale &s : r.stale)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(alarmName(s.point, s.kind).toHtmlEscaped(), s.text.toHtmlEscaped(), timeText(s.raisedMs));
    return html + QStringLiteral("</table>");
}

QString suppressedSection(const AlarmReport &r)
{
    QString html = heading(tr("Odłożone i wyłączone z obsługi"));
    html += QStringLiteral("<p>%1</p>").arg(tr("W zakresie: odłożeń %1, wyłączeń z obsługi %2.")
                                               .arg(r.shelvedEvents)
                                               .arg(r.outOfServiceEvents));
    QStringList now;
    for (const AlarmSnapshot &s : r.shelvedNow)
        now << tr("%1 (odłożony do %2)").arg(alarmName(s.point, s.kind), timeText(s.shelvedUntilMs)).toHtmlEscaped();
    for (const AlarmSnapshot &s : r.outOfServiceNow)
        now << tr("%1 (wyłączony z obsługi)").arg(alarmName(s.point, s.kind)).toHtmlEscaped();
    html += QStringLiteral("<p>%1 %2</p>").arg(tr("Teraz:"), now.isEmpty() ? tr("żaden.") : now.join(QStringLiteral(", ")));
    return html;
}

} // namespace

QString render(const AlarmReport &r)
{
    QString html = QStringLiteral("<p>%1</p>").arg(tr("Od %1 do %2: alarmów %3 w %4 okresach 10-minutowych.")
                                                      .arg(timeText(r.fromMs), timeText(r.toMs))
                                                      .arg(r.alarms)
                                                      .arg(r.periods)
                                                      .toHtmlEscaped());
    html += loadSection(r);
    html += heading(tr("Dziesięć najczęstszych alarmów"))
        + alarmTable(r.mostFrequent, tr("Wystąpień"), tr("Brak alarmów w zakresie."));
    html += heading(tr("Alarmy migające (3 i więcej w ciągu minuty)"))
        + alarmTable(r.chattering, tr("Powtórzeń"), tr("Brak."));
    html += staleSection(r) + prioritySection(r) + suppressedSection(r);
    return html;
}

} // namespace AlarmReportHtml
