#include "dataread.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "qteskcmd.h"

#include <QTimer>

#include <utility>

DataRead::DataRead(QObject *parent)
    : QObject(parent)
    , m_link(new QTeskCmd(this))
    , m_decodeTimer(new QTimer(this))
{
    m_decodeTimer->setSingleShot(true);
    m_decodeTimer->setInterval(0);
    connect(m_decodeTimer, &QTimer::timeout, this, &DataRead::decodePending);
    connect(m_link, qOverload<QString>(&QTeskCmd::dataReady), this, &DataRead::dataReady);
    connect(m_link, &QTeskCmd::timeout, this, &DataRead::timeout);
}

void DataRead::setScheme(const QList<TeskSchemeVariable> &readVariables, const QList<EventRecord> &events,
                         const DeviceList &devices)
{
    ++m_generation;
    m_values.clear();
    m_readVariables = readVariables;
    m_devices = devices;
    buildQueue(events);
    buildMatchers();
    buildStatus();
    emit controllerStatusChanged();
}

void DataRead::buildStatus()
{
    m_status.clear();
    for (const QString &id : qAsConst(m_queue))
        m_status.append({id, addressOf(m_devices, id), true, QDateTime(), -1});
}

void DataRead::markAnswered(int index)
{
    ControllerStatus &s = m_status[index];
    s.answering = true;
    s.lastAnswer = QDateTime::currentDateTime();
    s.lastResponseMs = int(m_requestClock.elapsed());
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

// One matcher per controller, over the names of its variables.
void DataRead::buildMatchers()
{
    QHash<QString, QStringList> names;
    m_byDevice.clear();
    m_sortedProperties.clear();
    for (int i = 0; i < m_readVariables.size(); ++i) {
        const TeskSchemeVariable &v = m_readVariables.at(i);
        m_byDevice[v.device].variables << i;
        names[v.device] << v.devVar;
        m_sortedProperties << v.qmlVar;
    }
    for (auto it = m_byDevice.begin(); it != m_byDevice.end(); ++it)
        it->matcher = ReplyMatcher(names.value(it.key()));
    m_sortedProperties.sort();
    m_sortedProperties.removeDuplicates();
}

QMap<QString, QString> DataRead::valueMap() const
{
    QMap<QString, QString> map;
    for (const QString &property : m_sortedProperties) {
        const auto it = m_values.constFind(property);
        if (it != m_values.constEnd())
            map.insert(map.constEnd(), property, it.value());
    }
    return map;
}

void DataRead::start()
{
    ++m_generation;
    m_index = 0;
    if (m_readVariables.isEmpty() || m_devices.isEmpty()) {
        m_link->abortRequest();
        return;
    }
    m_values.clear();
    readCurrent();
}

void DataRead::stop()
{
    ++m_generation;
    m_link->abortRequest();
    m_index = 0;
}

bool DataRead::requestCurrent()
{
    m_link->abortRequest();
    const QString id = m_queue.at(m_index);
    bool found = false;
    for (const DeviceRecord &d : qAsConst(m_devices)) {
        if (d.id == id) {
            m_address = d.networkAdress;
            m_port = d.port;
            found = true;
        }
    }
    if (found) {
        m_requestClock.start();
        m_link->sendRequest(m_address, CommandLanguage::getAllCommand(), ControllerPort::fromText(m_port));
    }
    return found;
}

void DataRead::readCurrent()
{
    if (!requestCurrent())
        emit deviceNotFound(m_queue.at(m_index));
}

void DataRead::decodeReply(const QStringList &parts, const QString &device, const QString &address)
{
    const DeviceVariables mine = m_byDevice.value(device);
    const QList<TeskSchemeVariable> variables = m_readVariables;
    const ReplyMatcher::Found found = mine.matcher.scan(parts);
    for (int k = 0; k < mine.variables.size(); ++k) {
        const TeskSchemeVariable &v = variables.at(mine.variables.at(k));
        for (const int *p = found.begin(k); p != found.end(k); ++p) {
            QString value;
            if (!CommandLanguage::decode(v.type, CommandLanguage::entryKeyRef(parts.at(*p)),
                                         CommandLanguage::entryValueRef(parts.at(*p)), &value))
                continue;
            m_values.insert(v.qmlVar, value);
            emit varRead({address, v.qmlVar, value});
        }
        if (!found.present(k))
            emit varReadError({address, v.devVar, v.qmlVar});
    }
}

void DataRead::dataReady(const QString &reply)
{
    const QStringList parts = CommandLanguage::prepareValues(reply);
    if (m_index >= m_queue.size())
        return;
    if (!CommandLanguage::isProcessable(parts)) {
        m_status[m_index].answering = false;
        return;
    }
    markAnswered(m_index);
    const quint64 generation = m_generation;
    decodePending();
    if (generation != m_generation)
        return;
    m_pending = {parts, m_queue.at(m_index), m_address, generation, false, false};
    // The next controller is asked before this reply is decoded, so that it
    // answers while the decoding runs; the reports keep their order.
    ++m_index;
    m_pending.last = m_index >= m_queue.size();
    m_pending.asked = m_pending.last || requestCurrent();
    m_hasPending = true;
    m_decodeTimer->start();
}

void DataRead::decodePending()
{
    if (!m_hasPending)
        return;
    m_hasPending = false;
    m_decodeTimer->stop();
    const Pending pending = std::exchange(m_pending, Pending());
    if (pending.generation != m_generation)
        return;
    decodeReply(pending.parts, pending.device, pending.address);
    if (pending.generation != m_generation)
        return; // a receiver stopped or restarted the reader meanwhile
    if (pending.last) {
        emit controllerStatusChanged();
        emit allDataRead(valueMap());
    }
    else if (!pending.asked)
        emit deviceNotFound(m_queue.at(m_index));
}

void DataRead::timeout()
{
    const quint64 generation = m_generation;
    decodePending();
    if (generation != m_generation || m_index >= m_queue.size())
        return;
    m_status[m_index].answering = false;
    emit readTimeout(tr("Sterownik ") + m_address + tr(" nie odpowiada"));
    if (generation != m_generation)
        return;
    ++m_index;
    if (m_index >= m_queue.size()) {
        m_link->abortRequest();
        emit controllerStatusChanged();
        emit allDataRead(valueMap());
    } else {
        readCurrent();
    }
}
