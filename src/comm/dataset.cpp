#include "dataset.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "qteskcmd.h"

#include "linktrace.h"

#include <QDebug>

DataSet::DataSet(QObject *parent)
    : QObject(parent)
    , m_link(new QTeskCmd(this))
{
    connect(m_link, qOverload<QString>(&QTeskCmd::dataReady), this, &DataSet::readFinished);
    connect(m_link, &QTeskCmd::timeout, this, &DataSet::linkTimeout);
}

void DataSet::setTargets(const QStringList &addresses, const QStringList &ports)
{
    m_addresses = addresses;
    m_ports = ports;
}

void DataSet::setDevices(const DeviceList &devices)
{
    m_devices = devices;
}

void DataSet::setEvent(const EventRecord &event)
{
    m_items = event.items;
    m_readBack.clear();
    for (const EventItemRecord &item : event.items) {
        TeskSchemeVariable v;
        v.device = item.device;
        v.devVar = item.property;
        v.type = item.type;
        m_readBack.append(v);
    }
}

// Nothing to do without controllers; an index left beyond the list by an
// earlier, longer event starts over at the first controller.
bool DataSet::atValidIndex()
{
    if (m_index >= m_addresses.size() || m_index >= m_ports.size())
        m_index = 0;
    return !m_addresses.isEmpty() && !m_ports.isEmpty();
}

quint16 DataSet::currentPort() const
{
    return ControllerPort::fromText(m_ports.at(m_index));
}

void DataSet::readValues()
{
    m_reading = true;
    if (!atValidIndex())
        return;
    QStringList names;
    for (const TeskSchemeVariable &v : qAsConst(m_readBack)) {
        for (const DeviceRecord &d : qAsConst(m_devices)) {
            if (v.device == d.id && d.networkAdress == m_addresses.at(m_index))
                names << v.devVar;
        }
    }
    m_link->sendRequest(m_addresses.at(m_index), CommandLanguage::getCommand(names), currentPort());
}

void DataSet::writeValues(const QList<TeskSchemeVariable> &list)
{
    m_reading = false;
    m_writeList = list;
    if (!atValidIndex())
        return;
    QList<QPair<QString, QString>> assignments;
    QString matchedAddress;
    for (const TeskSchemeVariable &v : list) {
        for (const DeviceRecord &d : qAsConst(m_devices)) {
            if (v.device == d.id && d.networkAdress == m_addresses.at(m_index)) {
                assignments.append({v.devVar, v.value});
                matchedAddress = d.networkAdress;
            }
        }
    }
    const QString command = CommandLanguage::setCommand(assignments);
    qCDebug(linkTrace).noquote() << matchedAddress + QStringLiteral(": ") + command.mid(4, command.size() - 6);
    m_link->sendRequest(m_addresses.at(m_index), command, currentPort());
}

void DataSet::readFinished(const QString &reply)
{
    if (m_reading)
        readBackReply(reply);
    else
        writeReply();
}

void DataSet::writeReply()
{
    if (m_index < m_addresses.size() - 1) {
        ++m_index;
        writeValues(m_writeList);
        emit dataSet();
        return;
    }
    m_index = 0;
    m_reading = true;
    emit allDataSet();
}

void DataSet::readBackReply(const QString &reply)
{
    const QStringList parts = CommandLanguage::prepareValues(reply);
    if (!CommandLanguage::isProcessable(parts) || m_index >= m_addresses.size())
        return;
    const QString current = m_addresses.at(m_index);
    for (int i = 0; i < m_readBack.size(); ++i) {
        const TeskSchemeVariable v = m_readBack.at(i);
        if (addressOf(m_devices, v.device) != current)
            continue;
        for (const QString &part : parts) {
            if (!CommandLanguage::isCandidate(part, v.devVar) || !CommandLanguage::isMatch(part, v.devVar))
                continue;
            const QString raw = CommandLanguage::entryValue(part);
            QString value;
            if (!CommandLanguage::decode(v.type, CommandLanguage::entryKey(part), raw, &value))
                value = raw;
            m_readBack[i].value = value;
            emit dataReady({current, m_items.value(i).name, value});
        }
    }
    if (m_index >= m_addresses.size() - 1) {
        m_index = 0;
        emit allDataReady(m_readBack);
    } else {
        ++m_index;
        readValues();
    }
}

void DataSet::linkTimeout()
{
    const QString address = m_addresses.value(m_index);
    m_index = 0;
    m_reading = true;
    emit writeTimeout(address);
}
