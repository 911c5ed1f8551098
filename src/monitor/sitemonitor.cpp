#include "sitemonitor.h"

#include "controllerport.h"
#include "pollchannel.h"
#include "pollhub.h"

#include <QDateTime>
#include <QHash>
#include <QTimer>

SiteMonitor::SiteMonitor(PollHub *hub, QObject *parent)
    : QObject(parent)
    , m_hub(hub)
    , m_timer(new QTimer(this))
    , m_passLimit(new QTimer(this))
{
    m_passLimit->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SiteMonitor::startPass);
    connect(m_passLimit, &QTimer::timeout, this, &SiteMonitor::finishPass);
}

void SiteMonitor::setSite(const MonitoringRecord &record, const DeviceList &devices)
{
    stop();
    clear();
    m_record = record;
    QHash<QString, int> byDevice;
    for (int i = 0; i < record.points.size(); ++i) {
        const MonitoringPoint &p = record.points.at(i);
        auto it = byDevice.constFind(p.device);
        if (it == byDevice.constEnd()) {
            Controller c;
            c.deviceId = p.device;
            if (const DeviceRecord *d = deviceWithId(devices, p.device))
                c.channel = m_hub->channel(d->networkAdress, ControllerPort::fromText(d->port), this);
            it = byDevice.insert(p.device, m_controllers.size());
            m_controllers.append(c);
        }
        m_controllers[it.value()].points.append(i);
    }
    m_reader = PointReplyReader(record.points);
    for (int c = 0; c < m_controllers.size(); ++c) {
        if (PollChannel *channel = m_controllers.at(c).channel) {
            connect(channel, &PollChannel::dataReady, this, [this, c](const QString &reply) { replied(c, reply); });
            connect(channel, &PollChannel::timeout, this, [this, c] { replied(c, QString()); });
        }
    }
}

void SiteMonitor::clear()
{
    for (const Controller &c : qAsConst(m_controllers))
        delete c.channel;
    m_controllers.clear();
}

void SiteMonitor::start()
{
    if (m_controllers.isEmpty())
        return;
    m_timer->start(m_record.interval * 1000);
    startPass();
}

void SiteMonitor::stop()
{
    m_timer->stop();
    m_passLimit->stop();
    for (Controller &c : m_controllers) {
        if (c.channel)
            c.channel->abandon();
        c.pending = false;
    }
    m_pending = 0;
}

bool SiteMonitor::isRunning() const
{
    return m_timer->isActive();
}

// Every point starts the pass as not answering; a pass still running when
// the next is due ends first, its silent controllers reported so. A reply
// of the scheme reader younger than half the interval serves as this one's.
void SiteMonitor::startPass()
{
    if (m_pending > 0)
        finishPass();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_readings.resize(m_record.points.size());
    for (int i = 0; i < m_record.points.size(); ++i)
        m_readings[i] = {m_record.points.at(i).id, now, 0, HistorySample::Quality::NoAnswer};
    for (Controller &c : m_controllers) {
        if (!c.channel)
            continue;
        c.pending = true;
        ++m_pending;
    }
    if (m_pending == 0) {
        finishPass();
        return;
    }
    m_passLimit->start(m_record.interval * 1000 - 1);
    for (const Controller &c : qAsConst(m_controllers)) {
        if (c.channel)
            c.channel->request(m_record.interval * 500);
    }
}

void SiteMonitor::replied(int controller, const QString &reply)
{
    Controller &c = m_controllers[controller];
    if (!c.pending)
        return;
    c.pending = false;
    if (!reply.isEmpty())
        m_reader.read(c.deviceId, c.points, reply, &m_readings);
    if (--m_pending == 0)
        finishPass();
}

// A controller still pending keeps its request: the next pass joins it, or
// takes its reply if it came meanwhile.
void SiteMonitor::finishPass()
{
    m_passLimit->stop();
    for (Controller &c : m_controllers)
        c.pending = false;
    m_pending = 0;
    emit passDone(m_readings);
}
