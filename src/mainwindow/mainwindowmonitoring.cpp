#include "mainwindow.h"

#include "historyrecorder.h"
#include "logentry.h"
#include "pollhub.h"
#include "sitemonitor.h"

#include <QLabel>

namespace {

// Samples kept in memory while the store cannot be written: an hour of
// every point read each pass, and never fewer than this.
constexpr int kLeastBuffered = 10000;

} // namespace

void MainWindow::createMonitor()
{
    m_monitor = new SiteMonitor(m_pollHub, this);
    connect(m_monitor, &SiteMonitor::passDone, this, &MainWindow::recordPass);
    m_historyStopped = addStatusAlert(QStringLiteral("historyStopped"));
}

// A project with points is watched and recorded from the moment it opens,
// whatever scheme is shown; one without monitoring.xml is not.
void MainWindow::startMonitoring()
{
    stopMonitoring();
    if (!m_project.monitored || m_project.monitoring.points.isEmpty())
        return;
    startRecording();
    m_sampleFilter.setPoints(m_project.monitoring.points);
    m_monitor->setSite(m_project.monitoring, m_project.devices);
    m_monitor->start();
    writeLog(tr("Monitorowanie obiektu: punkty: %1, przebieg co %2 s")
                 .arg(m_project.monitoring.points.size())
                 .arg(m_project.monitoring.interval),
             LogEntry::Info);
}

// What is still buffered is written before the recorder goes, unless the
// store is away: then the window does not wait for it, and the log says
// what was lost.
void MainWindow::stopMonitoring()
{
    m_monitor->stop();
    const qint64 unwritten = m_history ? m_history->stop() : 0;
    if (unwritten > 0)
        writeLog(tr("Historia niedostępna: nie zapisano próbek: %1").arg(unwritten), LogEntry::Warning);
    delete m_history;
    m_history = nullptr;
    m_historyStopped->hide();
}

void MainWindow::startRecording()
{
    const MonitoringRecord &m = m_project.monitoring;
    const int passesAnHour = (3600 + m.interval - 1) / m.interval;
    const int buffered = qMax(kLeastBuffered, passesAnHour * m.points.size());
    m_history = new HistoryRecorder(m.store, m_project.location, m.retentionDays, m.rollupDays, buffered, this);
    connect(m_history, &HistoryRecorder::storeUnavailable, this, &MainWindow::historyUnavailable);
    connect(m_history, &HistoryRecorder::storeAvailable, this, &MainWindow::historyAvailable);
    connect(m_history, &HistoryRecorder::storeWarning, this,
            [this](const QString &text) { writeLog(text, LogEntry::Warning); });
}

void MainWindow::recordPass(const QVector<HistorySample> &readings)
{
    const QVector<HistorySample> recorded = m_sampleFilter.recorded(readings);
    if (m_history && !recorded.isEmpty())
        m_history->record(recorded);
}

void MainWindow::historyUnavailable(const QString &reason, const QDateTime &sinceUtc)
{
    const QString text = tr("Historia nie jest zapisywana od ") + sinceUtc.toLocalTime().toString(QStringLiteral("HH:mm:ss"))
        + QStringLiteral(": ") + reason;
    writeLog(text, LogEntry::Error);
    m_historyStopped->setText(text);
    m_historyStopped->show();
}

void MainWindow::historyAvailable()
{
    writeLog(tr("Historia znów jest zapisywana"), LogEntry::Info);
    m_historyStopped->hide();
}
