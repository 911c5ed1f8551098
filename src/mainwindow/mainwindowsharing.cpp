#include "mainwindow.h"

#include "alarmcenter.h"
#include "historyrecorder.h"
#include "logentry.h"
#include "sitemonitor.h"
#include "trendwindow.h"

#include <QLabel>
#include <QStatusBar>

// The engine of a monitored project records only while it holds the
// store's lease. Until the store answers, nothing is known: the monitor
// waits for it, or starts at once if the store is away, so that a site
// with one station is watched whatever happens to its store.
void MainWindow::connectStoreSharing()
{
    m_engineRole = EngineRole::Undecided;
    connect(m_history, &HistoryRecorder::leaseHeld, this, &MainWindow::recordingTaken);
    connect(m_history, &HistoryRecorder::leaseRefused, this, &MainWindow::followStore);
    connect(m_history, &HistoryRecorder::leaseSeen, this, &MainWindow::storeLeaseSeen);
    connect(m_history, &HistoryRecorder::storeStates, m_alarms, &AlarmCenter::mirror);
    connect(m_history, &HistoryRecorder::alarmCommands, m_alarms, &AlarmCenter::apply);
}

void MainWindow::createStoreRole()
{
    m_storeRole = new QLabel(this);
    m_storeRole->setObjectName(QStringLiteral("storeRole"));
    m_storeRole->hide();
    statusBar()->addPermanentWidget(m_storeRole);
    connect(m_alarms, &AlarmCenter::commanded, this, [this](const QVector<AlarmCommand> &commands) {
        if (m_history)
            m_history->sendAlarmCommands(commands);
    });
}

void MainWindow::recordingTaken()
{
    const bool tookOver = m_engineRole == EngineRole::Following;
    m_engineRole = EngineRole::Recording;
    m_alarms->setRemote(false);
    if (tookOver) {
        writeLog(tr("Ta stacja zapisuje teraz historię i alarmy: %1 przestał je zapisywać").arg(m_followed),
                 LogEntry::Warning);
        m_storeRole->setText(tr("Ta stacja zapisuje historię i alarmy"));
        m_storeRole->show();
    }
    if (!m_monitor->isRunning())
        m_monitor->start();
}

// A station that may not record follows a store nobody holds as well:
// it says that the site is not recorded instead of naming a holder.
void MainWindow::followStore(const StoreLease &lease)
{
    m_engineRole = EngineRole::Following;
    m_followed = lease.isFree() ? QString() : lease.holderText();
    m_monitor->stop();
    m_alarms->setRemote(true);
    m_storeRole->show();
    m_leaseLapsed = lease.isLapsed();
    if (m_leaseLapsed) {
        showUnrecorded();
        return;
    }
    writeLog(tr("Historię i alarmy zapisuje %1: ta stacja pokazuje alarmy z bazy historii").arg(m_followed),
             LogEntry::Info);
    m_storeRole->setText(tr("Zapisuje: %1").arg(m_followed));
}

// Every second while another engine records: each renewal is a pass
// recorded, and a lease that lapsed on a station that may not record
// leaves the site unrecorded, which the operator must know.
void MainWindow::storeLeaseSeen(const StoreLease &lease)
{
    if (lease.renewedMs != m_leaseRenewedMs) {
        m_leaseRenewedMs = lease.renewedMs;
        if (m_trends.isMade())
            m_trends->passRecorded();
    }
    if (lease.isLapsed() == m_leaseLapsed)
        return;
    m_leaseLapsed = lease.isLapsed();
    if (m_leaseLapsed) {
        showUnrecorded();
        return;
    }
    m_followed = lease.holderText();
    writeLog(tr("Historię i alarmy znów zapisuje %1").arg(m_followed), LogEntry::Info);
    m_storeRole->setText(tr("Zapisuje: %1").arg(m_followed));
}

void MainWindow::showUnrecorded()
{
    const QString text = m_followed.isEmpty()
        ? tr("Nikt nie zapisuje historii i alarmów, a ta stacja nie może zapisywać")
        : tr("Nikt nie zapisuje historii i alarmów: %1 przestał, a ta stacja nie może zapisywać").arg(m_followed);
    writeLog(text, LogEntry::Error);
    m_storeRole->setText(text);
}
