#include "recorderengine.h"

#include "devicelistfile.h"
#include "historyrecorder.h"
#include "historystore.h"
#include "monitoringcheck.h"
#include "monitoringfile.h"
#include "pollhub.h"
#include "recorderlog.h"
#include "sitemonitor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// The log is in English whatever the stations' language.
QString holderOf(const StoreLease &lease)
{
    return QStringLiteral("%1, process %2").arg(lease.host).arg(lease.pid);
}

} // namespace

RecorderEngine::RecorderEngine(RecorderLog *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
    , m_hub(new PollHub(this))
    , m_monitor(new SiteMonitor(m_hub, this))
{
    connect(m_monitor, &SiteMonitor::passDone, this, &RecorderEngine::passDone);
}

RecorderEngine::~RecorderEngine()
{
    delete m_history;
}

bool RecorderEngine::open(const QString &folder)
{
    return readProject(folder) && checkStore();
}

bool RecorderEngine::readProject(const QString &folder)
{
    if (!QFileInfo(folder).isDir()) {
        m_log->error(QStringLiteral("%1: no such project folder").arg(folder));
        return false;
    }
    m_folder = QDir(folder).absolutePath() + QLatin1Char('/');
    XmlRead::Status status;
    m_record = MonitoringFile::read(m_folder + MonitoringFile::fileName(), &status);
    if (status != XmlRead::Status::Read) {
        m_log->error(m_folder + MonitoringFile::fileName()
                     + (status == XmlRead::Status::Missing ? QStringLiteral(": the project has no monitoring")
                                                           : QStringLiteral(": unreadable")));
        return false;
    }
    const QString problem = MonitoringCheck::settingsProblem(m_record);
    if (!problem.isEmpty() || m_record.points.isEmpty()) {
        m_log->error(m_folder + MonitoringFile::fileName() + QStringLiteral(": ")
                     + (problem.isEmpty() ? QStringLiteral("no points to watch") : problem));
        return false;
    }
    m_devices = DeviceListFile::read(m_folder + DeviceListFile::fileName(), &status);
    if (status != XmlRead::Status::Read) {
        m_log->error(m_folder + DeviceListFile::fileName() + QStringLiteral(": missing or unreadable"));
        return false;
    }
    QSet<QString> controllers;
    for (const MonitoringPoint &p : qAsConst(m_record.points)) {
        controllers.insert(p.device);
        if (!deviceWithId(m_devices, p.device) && !m_silent.contains(p.device)) {
            m_silent.markSilent(p.device);
            m_log->warning(
                QStringLiteral("controller %1 is not in the device list: its points are not read").arg(p.device));
        }
    }
    m_summary = QStringLiteral("%1: %2 points on %3 controllers, a pass every %4 s")
                    .arg(QDir::toNativeSeparators(m_folder))
                    .arg(m_record.points.size())
                    .arg(controllers.size())
                    .arg(m_record.interval);
    return true;
}

bool RecorderEngine::checkStore()
{
    HistoryStore store;
    QString error;
    StoreLease lease;
    if (!store.open(m_record.store, m_folder, m_record.retentionDays, m_record.rollupDays, &error)
        || !store.lease(&lease, &error)) {
        m_log->error(QStringLiteral("the store cannot be opened: ") + error);
        return false;
    }
    const QString where = m_record.store.isPostgres()
        ? QStringLiteral("PostgreSQL %1 on %2").arg(m_record.store.database, m_record.store.host)
        : QStringLiteral("SQLite %1").arg(m_record.store.path);
    QString holder = QStringLiteral("nobody records it");
    if (!lease.isFree())
        holder = (lease.isLapsed() ? QStringLiteral("lapsed lease of ") : QStringLiteral("recorded by "))
            + holderOf(lease);
    m_summary += QStringLiteral("; store: %1, %2").arg(where, holder);
    return true;
}

void RecorderEngine::start()
{
    m_log->info(QStringLiteral("starting: ") + m_summary);
    m_alarms.setSite(m_record);
    m_filter.setPoints(m_record.points);
    m_monitor->setSite(m_record, m_devices);
    m_history = new HistoryRecorder(m_record.store, m_folder, m_record.retentionDays, m_record.rollupDays,
                                    HistoryRecorder::anHourOf(m_record), this,
                                    StoreLease::ofThisProcess(qint64(m_record.interval) * 1000));
    connect(m_history, &HistoryRecorder::storeUnavailable, this,
            [this](const QString &reason) { m_log->error(QStringLiteral("the store cannot be written: ") + reason); });
    connect(m_history, &HistoryRecorder::storeAvailable, this,
            [this] { m_log->info(QStringLiteral("the store is written again")); });
    connect(m_history, &HistoryRecorder::storeWarning, this, [this](const QString &text) { m_log->warning(text); });
    connect(m_history, &HistoryRecorder::alarmStatesRead, this,
            [this](const QVector<AlarmSnapshot> &states) { m_alarms.mirror(states); });
    connect(m_history, &HistoryRecorder::leaseHeld, this, &RecorderEngine::leaseHeld);
    connect(m_history, &HistoryRecorder::leaseRefused, this, &RecorderEngine::leaseRefused);
    connect(m_history, &HistoryRecorder::alarmCommands, this, &RecorderEngine::applyCommands);
}

void RecorderEngine::leaseHeld()
{
    m_log->info(QStringLiteral("recording the store"));
    if (!m_stopping)
        m_monitor->start();
}

void RecorderEngine::leaseRefused(const StoreLease &lease)
{
    m_monitor->stop();
    m_log->warning(QStringLiteral("the store is recorded by %1: waiting until its lease is free").arg(holderOf(lease)));
    if (m_stopping) // the pass it waited for was abandoned
        finish();
}

void RecorderEngine::passDone(const QVector<HistorySample> &readings)
{
    noteSilentControllers(readings);
    m_alarms.evaluate(readings, now());
    journal();
    m_history->record(m_filter.recorded(readings));
    m_history->renewLease();
    if (m_stopping)
        finish();
}

void RecorderEngine::journal()
{
    const QVector<AlarmEvent> events = m_alarms.takeEvents();
    const QVector<AlarmSnapshot> states = m_alarms.takeChangedStates();
    m_alarms.takeChanged();
    for (const AlarmEvent &e : events) {
        QString line = QStringLiteral("alarm %1 %2 %3").arg(AlarmEvent::eventName(e.event), e.point, e.kind);
        if (!e.user.isEmpty())
            line += QStringLiteral(" by ") + e.user;
        if (!e.text.isEmpty())
            line += QStringLiteral(": ") + e.text;
        m_log->info(line);
    }
    m_history->recordAlarms(events, states);
}

void RecorderEngine::applyCommands(const QVector<AlarmCommand> &commands)
{
    for (const AlarmCommand &c : commands) {
        if (!m_alarms.apply(c, m_record.maxShelveHours * 60, now()))
            m_log->info(QStringLiteral("%1 of %2 %3 from %4 changed nothing")
                            .arg(AlarmCommand::actionName(c.action), c.point, c.kind, c.station));
    }
    journal();
}

void RecorderEngine::noteSilentControllers(const QVector<HistorySample> &readings)
{
    const SilentControllers::Change change = m_silent.update(readings, m_record.points);
    for (const QString &device : change.silent)
        m_log->warning(QStringLiteral("controller %1 does not answer").arg(device));
    for (const QString &device : change.back)
        m_log->info(QStringLiteral("controller %1 answers again").arg(device));
}

void RecorderEngine::stop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    m_log->info(QStringLiteral("stopping"));
    if (!m_monitor->isPassing())
        finish();
}

void RecorderEngine::finish()
{
    m_monitor->stop();
    const qint64 unwritten = m_history ? m_history->stop() : 0;
    if (unwritten > 0)
        m_log->warning(QStringLiteral("the store is away: %1 samples and events not written").arg(unwritten));
    m_log->info(QStringLiteral("stopped"));
    emit finished();
}
