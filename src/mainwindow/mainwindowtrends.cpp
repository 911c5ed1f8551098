#include "mainwindow.h"

#include "logentry.h"
#include "trendwindow.h"

#include <QDateTime>

namespace {

constexpr qint64 kHourMs = 3600 * 1000;

} // namespace

TrendWindow *MainWindow::createTrends()
{
    auto *window = new TrendWindow(this);
    // A named trend is part of the monitoring, saved with the project.
    connect(window, &TrendWindow::trendSetsChanged, this, [this](const QList<TrendSetRecord> &sets) {
        m_project.monitoring.trends = sets;
        setModified(true);
    });
    return window;
}

void MainWindow::showTrends()
{
    TrendWindow *window = m_trends.get();
    if (!window->isVisible())
        window->setProject(m_project.monitoring, m_project.location);
    window->setWindowModality(Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showTrendOf(const QStringList &points, qint64 fromMs, qint64 toMs)
{
    showTrends();
    m_trends->showPoints(points, fromMs, toMs);
}

// The monitoring points whose controller variables the scheme shown reads.
void MainWindow::showSchemeTrend()
{
    QStringList points;
    for (const MonitoringPoint &p : qAsConst(m_project.monitoring.points)) {
        for (const TeskSchemeVariable &v : qAsConst(m_currentScheme.readVariables)) {
            if (v.device == p.device && v.devVar == p.devVar && !points.contains(p.id))
                points.append(p.id);
        }
    }
    if (points.isEmpty()) {
        writeLog(tr("Żadna zmienna tego schematu nie jest punktem monitorowania: brak historii do pokazania."),
                 LogEntry::Warning);
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    showTrendOf(points, now - 8 * kHourMs, now);
}

// An hour on either side of the raise, the present at the latest.
void MainWindow::showAlarmTrend(const QString &point, qint64 raisedMs)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 at = raisedMs > 0 ? raisedMs : now;
    showTrendOf({point}, at - kHourMs, qMin(now, at + kHourMs));
}

// Asked from the modal monitoring dialog: the trend window must take the
// input while it is open above it.
void MainWindow::showMonitoringTrend(const QStringList &points)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    TrendWindow *window = m_trends.get();
    window->hide();
    window->setProject(m_project.monitoring, m_project.location);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->showPoints(points, now - 8 * kHourMs, now);
}
