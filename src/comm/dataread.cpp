#include "dataread.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "qteskcmd.h"

DataRead::DataRead(QObject *parent)
    : QObject(parent)
    , m_link(new QTeskCmd(this))
{
    connect(m_link, qOverload<QString>(&QTeskCmd::dataReady), this, &DataRead::dataReady);
    connect(m_link, &QTeskCmd::timeout, this, &DataRead::timeout);
}

void DataRead::setScheme(const QList<TeskSchemeVariable> &readVariables, const QList<EventRecord> &events,
                         const DeviceList &devices)
{
    ++m_generation;
    m_queue.clear();
    m_values.clear();
    m_readVariables = readVariables;
    m_events = events;
    m_devices = devices;
    for (const TeskSchemeVariable &v : readVariables) {
        if (!m_queue.contains(v.device))
            m_queue << v.device;
    }
    for (const EventRecord &e : events) {
        for (const EventItemRecord &item : e.items) {
            if (!m_queue.contains(item.device) && item.type != QLatin1String("scheme"))
                m_queue << item.device;
        }
    }
    // One matcher per controller, over the names of its variables.
    QHash<QString, QStringList> names;
    m_byDevice.clear();
    for (int i = 0; i < readVariables.size(); ++i) {
        m_byDevice[readVariables.at(i).device].variables << i;
        names[readVariables.at(i).device] << readVariables.at(i).devVar;
    }
    for (auto it = m_byDevice.begin(); it != m_byDevice.end(); ++it)
        it->matcher = ReplyMatcher(names.value(it.key()));
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

void DataRead::readCurrent()
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
    if (!found) {
        emit deviceNotFound(id);
        return;
    }
    m_link->sendRequest(m_address, CommandLanguage::getAllCommand(), ControllerPort::fromText(m_port));
}

void DataRead::advance()
{
    ++m_index;
    if (m_index >= m_queue.size())
        emit allDataRead(m_values);
    else
        readCurrent();
}

// Returns false when a receiver restarted or stopped the reader meanwhile.
bool DataRead::decodeReply(const QStringList &parts)
{
    const quint64 generation = m_generation;
    const DeviceVariables mine = m_byDevice.value(m_queue.at(m_index));
    const QList<TeskSchemeVariable> variables = m_readVariables;
    const QString address = m_address;
    const QVector<ReplyMatcher::Result> results = mine.matcher.scan(parts);
    for (int k = 0; k < mine.variables.size(); ++k) {
        const TeskSchemeVariable &v = variables.at(mine.variables.at(k));
        for (int p : results.at(k).matches) {
            QString value;
            if (!CommandLanguage::decode(v.type, CommandLanguage::entryKey(parts.at(p)),
                                         CommandLanguage::entryValue(parts.at(p)), &value))
                continue;
            m_values.insert(v.qmlVar, value);
            emit varRead({address, v.qmlVar, value});
        }
        if (!results.at(k).present)
            emit varReadError({address, v.devVar, v.qmlVar});
    }
    return generation == m_generation;
}

void DataRead::dataReady(const QString &reply)
{
    const QStringList parts = CommandLanguage::prepareValues(reply);
    if (m_index >= m_queue.size() || !CommandLanguage::isProcessable(parts))
        return;
    if (decodeReply(parts))
        advance();
}

void DataRead::timeout()
{
    if (m_index >= m_queue.size())
        return;
    const quint64 generation = m_generation;
    emit readTimeout(tr("Sterownik ") + m_address + tr(" nie odpowiada"));
    if (generation != m_generation)
        return;
    ++m_index;
    if (m_index >= m_queue.size()) {
        m_link->abortRequest();
        emit allDataRead(m_values);
    } else {
        readCurrent();
    }
}
