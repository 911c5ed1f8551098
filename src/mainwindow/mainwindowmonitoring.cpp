#include "mainwindow.h"

#include "alarmanalysisdialog.h"
#include "alarmcenter.h"
#include "alarmhistorydialog.h"
#include "alarmindicator.h"
#include "alarmpanel.h"
#include "auditdialog.h"
#include "historyexportdialog.h"
#include "historyrecorder.h"
#include "logentry.h"
#include "monitoringcheck.h"
#include "monitoringedit.h"
#include "pollhub.h"
#include "sitemonitor.h"
#include "trendwindow.h"
#include "ui_mainwindow.h"
#include "usersession.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// A window beside the main one, on the project's store; one already open
// keeps the operator's choices.
template<typename Window>
void showToolWindow(Window *window, const Project &project)
{
    if (!window->isVisible())
        window->setProject(project.monitoring, project.location);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::createMonitor()
{
    m_monitor = new SiteMonitor(m_pollHub, this);
    connect(m_monitor, &SiteMonitor::passDone, this, &MainWindow::recordPass);
    connect(m_monitor, &SiteMonitor::passDone, this, [this] {
        if (m_trends.isMade())
            m_trends->passRecorded();
    });
    m_historyStopped = addStatusAlert(QStringLiteral("historyStopped"));
    createAlarms();
}

void MainWindow::createAlarms()
{
    m_alarms = new AlarmCenter(this);
    m_alarmPanel = new AlarmPanel(m_alarms, this);
    m_alarmPanel->setObjectName(QStringLiteral("alarmTab"));
    m_alarmPanel->hide();
    connect(m_alarmPanel, &AlarmPanel::historyAsked, this, &MainWindow::showAlarmHistory);
    connect(m_alarmPanel, &AlarmPanel::analysisAsked, this, &MainWindow::showAlarmAnalysis);
    connect(m_alarmPanel, &AlarmPanel::trendAsked, this, &MainWindow::showAlarmTrend);
    m_alarmIndicator = new AlarmIndicator(m_alarms, this);
    m_alarmIndicator->hide();
    statusBar()->addPermanentWidget(m_alarmIndicator);
    connect(m_alarmIndicator, &QToolButton::clicked, this, &MainWindow::showAlarmTab);
    connect(m_alarms, &AlarmCenter::journalled, this,
            [this](const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states) {
                if (m_history)
                    m_history->recordAlarms(events, states);
            });
    connect(m_alarms, &AlarmCenter::changed, this, &MainWindow::pushAlarmNames);
    createStoreRole();
}

// Beside the scheme and the log while the project is monitored.
void MainWindow::addAlarmTab()
{
    if (m_project.monitored && ui->tabWidget->indexOf(m_alarmPanel) < 0)
        ui->tabWidget->addTab(m_alarmPanel, tr("Alarmy"));
}

void MainWindow::showAlarmTab()
{
    addAlarmTab();
    ui->tabWidget->setCurrentWidget(m_alarmPanel);
}

// A project with points is watched and recorded from the moment it opens,
// whatever scheme is shown; one without monitoring.xml is not.
void MainWindow::startMonitoring()
{
    stopMonitoring();
    m_historyAction->setEnabled(m_project.monitored || !m_session->unrestricted());
    m_trendAction->setEnabled(m_project.monitored);
    m_alarmIndicator->setVisible(m_project.monitored);
    addAlarmTab();
    // A project with users keeps its audit trail in the store, watched or not.
    const bool watched = m_project.monitored && !m_project.monitoring.points.isEmpty();
    if (watched || (m_projectOpen && !m_session->unrestricted()))
        startRecording(watched);
    if (!watched)
        return;
    m_alarms->setSite(m_project.monitoring);
    m_sampleFilter.setPoints(m_project.monitoring.points);
    m_monitor->setSite(m_project.monitoring, m_project.devices);
    writeLog(tr("Monitorowanie obiektu: punkty: %1, przebieg co %2 s")
                 .arg(m_project.monitoring.points.size())
                 .arg(m_project.monitoring.interval),
             LogEntry::Info);
    warnOfUnlistedControllers();
    for (const QString &pen : MonitoringCheck::unmonitoredPens(m_project.monitoring))
        writeLog(tr("Monitorowanie: punkt trendu %1 nie jest już monitorowany, trend pokazuje jego dotychczasową historię").arg(pen),
                 LogEntry::Info);
    // The monitor starts once the store says that no other engine records it.
}

// Points of a controller missing from the list are recorded as not
// answering; the log says why once, instead of calling it silent.
void MainWindow::warnOfUnlistedControllers()
{
    for (const MonitoringPoint &p : qAsConst(m_project.monitoring.points)) {
        if (deviceWithId(m_project.devices, p.device) || m_silentControllers.contains(p.device))
            continue;
        m_silentControllers.markSilent(p.device);
        writeLog(tr("Monitorowanie: sterownika ") + p.device + tr(" nie ma na liście sterowników, jego punkty nie są odczytywane"),
                 LogEntry::Warning);
    }
}

// What is still buffered is written before the recorder goes, unless the
// store is away: then the window does not wait for it, and the log says
// what was lost.
void MainWindow::stopMonitoring()
{
    m_monitor->stop();
    m_silentControllers.clear();
    const qint64 unwritten = m_history ? m_history->stop() : 0;
    if (unwritten > 0)
        writeLog(tr("Historia niedostępna: nie zapisano próbek i wpisów historii zmian: %1").arg(unwritten), LogEntry::Warning);
    delete m_history;
    m_history = nullptr;
    m_historyStopped->hide();
    m_storeRole->hide();
    m_alarms->setRemote(false);
    m_engineRole = EngineRole::Recording;
}

void MainWindow::menuShowMonitoringDialog()
{
    if (!permitted(UserAction::EditMonitoring))
        return;
    m_monitoringEdit->setDevices(m_project.devices);
    m_monitoringEdit->setRecord(m_project.monitoring);
    connect(m_monitoringEdit.get(), &MonitoringEdit::trendAsked, this, &MainWindow::showMonitoringTrend,
            Qt::UniqueConnection);
    pauseScheme(); // the catalogue is asked of a controller the scheme may read
    if (m_monitoringEdit->exec() == QDialog::Accepted)
        applyMonitoring(m_monitoringEdit->record());
    resumeScheme();
}

// An OK with nothing changed leaves a project without monitoring.xml
// without it: no file, no database. A changed record makes the project
// monitored, and the monitor starts over with its points.
void MainWindow::applyMonitoring(const MonitoringRecord &record)
{
    if (record == m_project.monitoring)
        return;
    m_project.monitoring = record;
    m_project.monitored = true;
    setModified(true);
    startMonitoring();
}

// Not modal: the operator goes on while an export runs.
HistoryExportDialog *MainWindow::createHistoryExport()
{
    auto *dialog = new HistoryExportDialog(this);
    connect(dialog, &HistoryExportDialog::exportEnded, this,
            [this](const QString &text, bool written) { writeLog(text, written ? LogEntry::Info : LogEntry::Error); });
    return dialog;
}

// The export and the alarm windows hang from the history's tool button.
void MainWindow::addHistoryMenu()
{
    auto *menu = new QMenu(this);
    menu->addAction(QIcon(QStringLiteral(":/save")), tr("Eksport historii…"), this, &MainWindow::menuShowHistoryDialog);
    menu->addAction(tr("Historia alarmów"), this, &MainWindow::showAlarmHistory);
    menu->addAction(tr("Analiza alarmów"), this, &MainWindow::showAlarmAnalysis);
    menu->addAction(QIcon(QStringLiteral(":/trend")), tr("Trendy"), this, &MainWindow::showTrends);
    menu->addAction(tr("Historia zmian"), this, &MainWindow::showAuditHistory);
    m_historyAction->setMenu(menu);
    if (auto *button = qobject_cast<QToolButton *>(ui->mainToolBar->widgetForAction(m_historyAction)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
}

void MainWindow::menuShowHistoryDialog()
{
    showToolWindow(m_historyExport.get(), m_project);
}

void MainWindow::showAlarmHistory()
{
    showToolWindow(m_alarmHistory.get(), m_project);
}

void MainWindow::showAlarmAnalysis()
{
    showToolWindow(m_alarmAnalysis.get(), m_project);
}

void MainWindow::showAuditHistory()
{
    if (!m_auditDialog->isVisible()) {
        QStringList names;
        for (const UserRecord &u : m_session->users())
            names << u.name;
        m_auditDialog->setUsers(names);
    }
    showToolWindow(m_auditDialog.get(), m_project);
}

// A recorder only for the audit trail of a project that is not watched
// holds no lease: it records nothing another engine would.
void MainWindow::startRecording(bool leased)
{
    const MonitoringRecord &m = m_project.monitoring;
    const StoreLease claim = leased ? StoreLease::ofThisProcess(qint64(m.interval) * 1000) : StoreLease();
    m_history = new HistoryRecorder(m.store, m_project.location, m.retentionDays, m.rollupDays,
                                    HistoryRecorder::anHourOf(m), this, claim,
                                    m_settings.mayRecord);
    connect(m_history, &HistoryRecorder::storeUnavailable, this, &MainWindow::historyUnavailable);
    connect(m_history, &HistoryRecorder::alarmStatesRead, m_alarms, &AlarmCenter::restore);
    connect(m_history, &HistoryRecorder::storeAvailable, this, &MainWindow::historyAvailable);
    connect(m_history, &HistoryRecorder::storeWarning, this,
            [this](const QString &text) { writeLog(text, LogEntry::Warning); });
    if (leased)
        connectStoreSharing();
}

void MainWindow::recordPass(const QVector<HistorySample> &readings)
{
    noteSilentControllers(readings);
    m_alarms->evaluate(readings);
    const QVector<HistorySample> recorded = m_sampleFilter.recorded(readings);
    if (m_history && !recorded.isEmpty())
        m_history->record(recorded);
    if (m_history)
        m_history->renewLease();
}

void MainWindow::historyUnavailable(const QString &reason, const QDateTime &sinceUtc)
{
    const QString since = sinceUtc.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    const QString text = m_engineRole == EngineRole::Following
        ? tr("Baza historii niedostępna od %1, alarmy na tej stacji nie są aktualne: %2").arg(since, reason)
        : tr("Historia nie jest zapisywana od ") + since + QStringLiteral(": ") + reason;
    writeLog(text, LogEntry::Error);
    m_historyStopped->setText(text);
    m_historyStopped->show();
    // Whether another engine records cannot be known: this one watches.
    if (m_engineRole == EngineRole::Undecided) {
        m_engineRole = EngineRole::Recording;
        m_monitor->start();
    }
    if (!m_alarms->isRestored()) {
        writeLog(tr("Alarmy: stany z poprzedniego uruchomienia nie zostały odczytane, alarmy są oceniane od nowa"),
                 LogEntry::Warning);
        m_alarms->startWithoutStates();
    }
}

void MainWindow::historyAvailable()
{
    writeLog(m_engineRole == EngineRole::Following ? tr("Baza historii znów dostępna") : tr("Historia znów jest zapisywana"),
             LogEntry::Info);
    m_historyStopped->hide();
}

// Whatever scheme is shown, the log says once when a monitored controller
// stops answering and once when it answers again.
void MainWindow::noteSilentControllers(const QVector<HistorySample> &readings)
{
    const SilentControllers::Change change = m_silentControllers.update(readings, m_project.monitoring.points);
    for (const QString &device : change.silent)
        writeLog(tr("Monitorowanie: sterownik ") + device + tr(" nie odpowiada"), LogEntry::Warning);
    for (const QString &device : change.back)
        writeLog(tr("Monitorowanie: sterownik ") + device + tr(" znów odpowiada"), LogEntry::Info);
}
