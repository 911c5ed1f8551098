#include "dataread.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "pollchannel.h"
#include "pollhub.h"

#include <QTimer>

namespace {

QString endpointOf(const QString &address, quint16 port)
{
    return address + QLatin1Char(' ') + QString::number(port);
}

} // namespace

DataRead::DataRead(QObject *parent)
    : QObject(parent)
    , m_passTimer(new QTimer(this))
{
    m_passTimer->setSingleShot(true);
    m_passTimer->setTimerType(Qt::PreciseTimer);
    connect(m_passTimer, &QTimer::timeout, this, &DataRead::passLimitReached);
}

void DataRead::setScheme(const QList<TeskSchemeVariable> &readVariables, const QList<EventRecord> &events,
                         const DeviceList &devices)
{
    stop();
    m_readVariables = readVariables;
    m_devices = devices;
    buildQueue(events);
    m_decoder = SchemeReplyDecoder(m_readVariables);
    buildTargets();
    m_lastValues.clear();
    emit controllerStatusChanged();
}

void DataRead::setPassLimitMs(int ms)
{
    m_passLimitMs = qMax(ms, kMinPassLimitMs);
}

void DataRead::setLinkTimeoutMs(int ms)
{
    hub()->setTimeoutMs(ms);
}

void DataRead::setPollHub(PollHub *hub)
{
    releaseLinks();
    m_targets.clear();
    m_hub = hub;
}

// Without a hub shared with other readers, one of its own.
PollHub *DataRead::hub()
{
    if (!m_hub)
        m_hub = new PollHub(this);
    return m_hub;
}

// Controllers of the read variables in order of first use, then those only
// the events name; each once.
void DataRead::buildQueue(const QList<EventRecord> &events)
{
    m_queue.clear();
    for (const TeskSchemeVariable &v : qAsConst(m_readVariables)) {
        if (!m_queue.contains(v.device))
            m_queue << v.device;
    }
    for (const EventRecord &e : events) {
        for (const EventItemRecord &item : e.items) {
            if (!m_queue.contains(item.device) && item.type != QLatin1String("scheme"))
                m_queue << item.device;
        }
    }
}

// One target, with a link of its own, per address and port the queue's IDs
// lead to; where the device list names an ID twice the later record wins.
// What is known of a controller outlives the scheme: going to other ones
// and back neither forgets its last good answer nor reports its silence
// again.
void DataRead::buildTargets()
{
    releaseLinks();
    for (const Target &t : qAsConst(m_targets))
        m_known.insert(endpointOf(t.address, t.port), {QString(), t.address, t.answering, t.lastAnswer, t.lastResponseMs, t.failure});
    m_targets.clear();
    m_targetOf.fill(-1, m_queue.size());
    m_entryValues = QVector<QVector<QPair<int, QString>>>(m_queue.size());
    QHash<QString, int> byEndpoint;
    for (int i = 0; i < m_queue.size(); ++i) {
        const DeviceRecord *record = nullptr;
        for (const DeviceRecord &d : qAsConst(m_devices)) {
            if (d.id == m_queue.at(i))
                record = &d;
        }
        if (!record)
            continue;
        const quint16 port = ControllerPort::fromText(record->port);
        const QString endpoint = endpointOf(record->networkAdress, port);
        auto it = byEndpoint.constFind(endpoint);
        if (it == byEndpoint.constEnd()) {
            const int index = m_targets.size();
            it = byEndpoint.insert(endpoint, index);
            Target t;
            if (m_known.contains(endpoint)) {
                const ControllerStatus &before = m_known[endpoint];
                t.answering = before.answering;
                t.lastAnswer = before.lastAnswer;
                t.lastResponseMs = before.lastResponseMs;
                t.failure = before.failure;
            }
            t.address = record->networkAdress;
            t.port = port;
            t.link = hub()->channel(t.address, t.port, this);
            connect(t.link, &PollChannel::dataReady, this, [this, index](const QString &reply) { replied(index, reply); });
            connect(t.link, &PollChannel::timeout, this, [this, index] { linkFailed(index); });
            m_targets.append(t);
        }
        m_targetOf[i] = it.value();
        m_targets[it.value()].entries << i;
    }
}

// The links of a scheme that is left: silenced now, deleted once whatever
// signal they are raising has returned.
void DataRead::releaseLinks()
{
    for (const Target &t : qAsConst(m_targets)) {
        t.link->abandon();
        t.link->disconnect(this);
        t.link->deleteLater();
    }
}

QList<ControllerStatus> DataRead::controllerStatus() const
{
    QList<ControllerStatus> list;
    for (int i = 0; i < m_queue.size(); ++i) {
        const int t = m_targetOf.at(i);
        if (t < 0) {
            list.append({m_queue.at(i), QString(), false, QDateTime(), -1});
            continue;
        }
        const Target &target = m_targets.at(t);
        list.append({m_queue.at(i), target.address, target.answering, target.lastAnswer, target.lastResponseMs,
                     target.failure});
    }
    return list;
}

// A pass still running is replaced. A request still in flight is left to
// finish: asked anew each pass, a controller slower than the pass limit
// would never be heard again.
void DataRead::start()
{
    if (m_readVariables.isEmpty() || m_devices.isEmpty()) {
        stop();
        return;
    }
    const int missing = m_targetOf.indexOf(-1);
    if (missing >= 0) {
        stop();
        emit deviceNotFound(m_queue.at(missing));
        return;
    }
    ++m_generation;
    m_passTimer->stop();
    m_waiting = 0;
    for (Target &t : m_targets) {
        // A controller that is not answering, or answered slower than a pass
        // may last, is asked but not waited for: its values enter the pass
        // after they come, and it does not turn "not answering" each pass.
        t.waited = t.answering && t.lastResponseMs <= m_passLimitMs;
        m_waiting += t.waited ? 1 : 0;
        // Values stay when they came since the last pass, or when their
        // controller answers, only slower: they are the latest it said.
        const bool slow = t.answering && !t.waited;
        if (!t.carried && !slow) {
            for (const int entry : qAsConst(t.entries))
                m_entryValues[entry].clear();
        }
        t.carried = false;
    }
    m_passRunning = true;
    for (int t = 0; t < m_targets.size(); ++t) {
        if (!m_targets.at(t).link->inFlight())
            ask(t, false);
        else if (isOverdue(m_targets.at(t)))
            ask(t, true);
    }
    m_passTimer->start(m_passLimitMs);
    if (m_waiting == 0) {
        QTimer::singleShot(0, this, [this, generation = m_generation] {
            if (generation == m_generation && m_passRunning)
                finishPass();
        });
    }
}

void DataRead::stop()
{
    ++m_generation;
    m_passTimer->stop();
    m_passRunning = false;
    m_waiting = 0;
    for (Target &t : m_targets) {
        t.link->abandon();
        t.waited = false;
    }
}

// A request to a controller that is not answering, left running for twice
// as long as its last good answer took: a controller back after a restart
// or a cable fault would otherwise go unheard until the link's time-out,
// since the old connection never answers. One never heard keeps its request
// to the time-out: it may merely be slower than a pass.
bool DataRead::isOverdue(const Target &t)
{
    return !t.answering && t.lastResponseMs >= 0 && t.clock.elapsed() > 2 * qint64(t.lastResponseMs);
}

// A request another reader has in flight is joined; one overdue is sent anew.
void DataRead::ask(int target, bool anew)
{
    Target &t = m_targets[target];
    t.clock.start();
    if (anew)
        t.link->restart();
    else
        t.link->request();
}

QString DataRead::named(const QString &address, const QString &text) const
{
    return tr("Sterownik ") + address + text;
}

void DataRead::replied(int target, const QString &reply)
{
    const QVector<QStringRef> parts = CommandLanguage::prepareValueRefs(reply);
    if (!CommandLanguage::isProcessable(parts)) {
        if (failed(target, tr(": odpowiedź bez wartości"), ControllerStatus::Failure::NoValues))
            settled(target);
        return;
    }
    Target &t = m_targets[target];
    t.lastAnswer = QDateTime::currentDateTimeUtc();
    t.lastResponseMs = int(t.clock.elapsed());
    // Values that arrive while no pass waits for them enter the next one.
    t.carried = !(m_passRunning && t.waited);
    if (!t.answering) {
        t.answering = true;
        const quint64 generation = m_generation;
        emit readResumed(named(t.address, tr(" znów odpowiada")));
        if (generation != m_generation)
            return;
    }
    if (decodeReply(target, parts))
        settled(target);
}

// Reports every value of the reply; false when a receiver stopped the
// reader or changed its scheme meanwhile.
bool DataRead::decodeReply(int target, const QVector<QStringRef> &parts)
{
    const quint64 generation = m_generation;
    const QString address = m_targets.at(target).address;
    const QVector<int> entries = m_targets.at(target).entries;
    for (const int entry : entries) {
        QVector<QPair<int, QString>> values;
        for (const SchemeReplyDecoder::Report &r : m_decoder.decode(m_queue.at(entry), parts)) {
            const TeskSchemeVariable &v = m_decoder.variable(r.variable);
            if (r.present) {
                values.append({m_decoder.propertyOf(r.variable), r.value});
                emit varRead({address, v.qmlVar, r.value});
            } else {
                emit varReadError({address, v.devVar, v.qmlVar});
            }
            if (generation != m_generation)
                return false;
        }
        m_entryValues[entry] = values;
    }
    return true;
}

void DataRead::linkFailed(int target)
{
    QString why;
    ControllerStatus::Failure failure = ControllerStatus::Failure::BadReply;
    switch (m_targets.at(target).link->failure()) {
    case QTeskCmd::Failure::BadChecksum:
        why = tr(": niepoprawna suma kontrolna");
        break;
    case QTeskCmd::Failure::Incomplete:
        why = tr(": niepełna odpowiedź");
        break;
    default:
        why = tr(" nie odpowiada");
        failure = ControllerStatus::Failure::NoAnswer;
        break;
    }
    if (failed(target, why, failure))
        settled(target);
}

// The controller is not answering; a change of state is reported once.
// False when a receiver stopped the reader or changed its scheme meanwhile.
bool DataRead::failed(int target, const QString &why, ControllerStatus::Failure failure)
{
    Target &t = m_targets[target];
    t.failure = failure;
    if (!t.answering)
        return true;
    t.answering = false;
    const quint64 generation = m_generation;
    emit readTimeout(named(t.address, why));
    return generation == m_generation;
}

// The controller's request of this pass is over, well or badly.
void DataRead::settled(int target)
{
    Target &t = m_targets[target];
    if (!m_passRunning || !t.waited)
        return;
    t.waited = false;
    if (--m_waiting == 0)
        finishPass();
}

// Controllers still pending count as not answering; their requests go on
// in the background under the links' own time-out.
void DataRead::passLimitReached()
{
    for (int t = 0; t < m_targets.size(); ++t) {
        if (!m_targets.at(t).waited)
            continue;
        m_targets[t].waited = false;
        if (!failed(t, tr(" nie odpowiada"), ControllerStatus::Failure::NoAnswer))
            return;
    }
    finishPass();
}

// The map is built in queue order, whatever order the replies came in: a
// property fed by two controllers takes the later one's value.
void DataRead::finishPass()
{
    m_passRunning = false;
    m_passTimer->stop();
    m_waiting = 0;
    const QStringList &properties = m_decoder.sortedProperties();
    QVector<const QString *> byProperty(properties.size(), nullptr);
    for (const auto &values : qAsConst(m_entryValues)) {
        for (const auto &pv : values)
            byProperty[pv.first] = &pv.second;
    }
    QMap<QString, QString> map;
    for (int p = 0; p < properties.size(); ++p) {
        if (byProperty.at(p))
            map.insert(map.constEnd(), properties.at(p), *byProperty.at(p));
    }
    m_lastValues = map;
    const quint64 generation = m_generation;
    emit controllerStatusChanged();
    if (generation == m_generation)
        emit allDataRead(map);
}
