#include "mainwindow.h"

#include "logentry.h"
#include "pollhub.h"
#include "sitemonitor.h"

void MainWindow::createMonitor()
{
    m_monitor = new SiteMonitor(m_pollHub, this);
}

// A project with points is watched from the moment it opens, whatever
// scheme is shown; one without monitoring.xml is not.
void MainWindow::startMonitoring()
{
    m_monitor->stop();
    if (!m_project.monitored || m_project.monitoring.points.isEmpty())
        return;
    m_monitor->setSite(m_project.monitoring, m_project.devices);
    m_monitor->start();
    writeLog(tr("Monitorowanie obiektu: punkty: %1, przebieg co %2 s")
                 .arg(m_project.monitoring.points.size())
                 .arg(m_project.monitoring.interval),
             LogEntry::Info);
}
