#include "dataset.h"

#include "commandlanguage.h"
#include "controllerport.h"
#include "qteskcmd.h"

#include "linktrace.h"

#include <QDebug>
#include <QHash>
#include <QSet>

namespace {

// A reply has the shape prefix "(" entries ");", even with no entries: a
// controller that refused every value written answers "set();".
bool wellFormed(const QString &reply)
{
    const QString text = reply.trimmed();
    return text.contains(QLatin1Char('(')) && text.endsWith(QLatin1String(");"));
}

// The value of a read-back entry as the dialog offers it.
QString readBackValue(const QString &type, const QString &part)
{
    const QString raw = CommandLanguage::entryValue(part);
    QString value;
    if (!CommandLanguage::decode(type, CommandLanguage::entryKey(part), raw, &value))
        return raw;
    return value;
}

} // namespace

DataSet::DataSet(QObject *parent)
    : QObject(parent)
    , m_link(new QTeskCmd(this))
{
    connect(m_link, qOverload<QString>(&QTeskCmd::dataReady), this, &DataSet::readFinished);
    // A reply cut short or with a wrong check sum is a bad reply, not silence.
    connect(m_link, &QTeskCmd::timeout, this, [this] {
        switch (m_link->failure()) {
        case QTeskCmd::Failure::NoAnswer:
            failCurrent(&DataSet::writeTimeout);
            break;
        case QTeskCmd::Failure::NotAllowed:
            failCurrent(&DataSet::writeNotAllowed);
            break;
        default:
            failCurrent(&DataSet::badReply);
        }
    });
}

// Each controller the event names once, in device list order: one address
// with two ports is two controllers.
void DataSet::collectTargets(const EventRecord &event, const DeviceList &devices, QStringList *addresses,
                             QStringList *ports)
{
    QSet<QPair<QString, quint16>> taken;
    for (const DeviceRecord &d : devices) {
        if (deviceWithId(devices, d.id) != &d)
            continue;
        const QPair<QString, quint16> endpoint(d.networkAdress, ControllerPort::fromText(d.port));
        for (const EventItemRecord &item : event.items) {
            if (item.device == d.id && !taken.contains(endpoint)) {
                taken.insert(endpoint);
                *addresses << d.networkAdress;
                *ports << d.port;
            }
        }
    }
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
    m_rawBack.clear();
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

// Two controllers may share an address and differ in their port.
bool DataSet::isCurrent(const QString &deviceId) const
{
    const DeviceRecord *d = deviceWithId(m_devices, deviceId);
    return d && d->networkAdress == m_addresses.at(m_index) && ControllerPort::fromText(d->port) == currentPort();
}

void DataSet::readValues()
{
    m_reading = true;
    if (!atValidIndex())
        return;
    m_busy = true;
    QStringList names;
    for (const TeskSchemeVariable &v : qAsConst(m_readBack)) {
        if (isCurrent(v.device))
            names << v.devVar;
    }
    m_link->sendRequest(m_addresses.at(m_index), CommandLanguage::getCommand(names), currentPort());
}

void DataSet::writeValues(const QList<TeskSchemeVariable> &list)
{
    m_reading = false;
    m_writeList = list;
    if (!atValidIndex())
        return;
    m_busy = true;
    m_sent.clear();
    for (const TeskSchemeVariable &v : list) {
        if (isCurrent(v.device))
            m_sent.append({v.devVar, v.value});
    }
    const QString command = CommandLanguage::setCommand(m_sent);
    qCDebug(linkTrace).noquote() << m_addresses.at(m_index) + QStringLiteral(": ") + command.mid(4, command.size() - 6);
    m_link->sendRequest(m_addresses.at(m_index), command, currentPort());
}

void DataSet::stop()
{
    m_link->abortRequest();
    m_index = 0;
    m_reading = true;
    m_busy = false;
}

void DataSet::readFinished(const QString &reply)
{
    if (!m_busy || m_index >= m_addresses.size())
        return;
    if (!wellFormed(reply)) {
        failCurrent(&DataSet::badReply);
        return;
    }
    const QStringList parts = CommandLanguage::prepareValues(reply);
    if (m_reading) {
        readBackReply(parts);
    } else {
        verifyWrite(parts);
        nextWrite();
    }
}

void DataSet::nextWrite()
{
    if (m_index < m_addresses.size() - 1) {
        ++m_index;
        writeValues(m_writeList);
        emit dataSet();
        return;
    }
    m_index = 0;
    m_reading = true;
    m_busy = false;
    emit allDataSet();
}

// The reply to "set(" holds what the controller kept of each variable
// written; a variable it refused is missing.
void DataSet::verifyWrite(const QStringList &parts)
{
    const QString address = m_addresses.at(m_index);
    QHash<QString, QString> sent;
    const QStringList names = sentOnce(&sent);
    for (const QString &name : names) {
        QString kept;
        if (!CommandLanguage::keptValue(parts, name, &kept)) {
            emit writeRefused({address, name, sent.value(name)});
            reportWritten(name, sent.value(name), QString(), WriteOutcome::Result::Refused);
        } else if (!CommandLanguage::sameValue(sent.value(name), kept)) {
            emit writeChanged({address, name, sent.value(name), kept});
            reportWritten(name, sent.value(name), kept, WriteOutcome::Result::Changed);
        } else {
            reportWritten(name, sent.value(name), kept, WriteOutcome::Result::Confirmed);
        }
    }
}

void DataSet::reportWritten(const QString &variable, const QString &sent, const QString &kept,
                            WriteOutcome::Result result)
{
    WriteOutcome outcome;
    outcome.address = m_addresses.at(m_index);
    outcome.variable = variable;
    outcome.sent = sent;
    outcome.confirmed = kept;
    outcome.result = result;
    for (const TeskSchemeVariable &v : qAsConst(m_writeList)) {
        if (v.devVar == variable && isCurrent(v.device))
            outcome.controller = v.device;
    }
    outcome.before = m_rawBack.value({outcome.controller, variable});
    emit written(outcome);
}

// The variables sent to the current controller, each once, with the last
// value sent to it: the one the controller keeps.
QStringList DataSet::sentOnce(QHash<QString, QString> *values) const
{
    QStringList names;
    for (const auto &assignment : qAsConst(m_sent)) {
        if (!names.contains(assignment.first))
            names << assignment.first;
        values->insert(assignment.first, assignment.second);
    }
    return names;
}

void DataSet::readBackReply(const QStringList &parts)
{
    const QString current = m_addresses.at(m_index);
    for (int i = 0; i < m_readBack.size(); ++i) {
        const TeskSchemeVariable v = m_readBack.at(i);
        if (!isCurrent(v.device))
            continue;
        for (const QString &part : parts) {
            if (!CommandLanguage::isCandidate(part, v.devVar) || !CommandLanguage::isMatch(part, v.devVar))
                continue;
            const QString value = readBackValue(v.type, part);
            m_readBack[i].value = value;
            m_rawBack.insert({v.device, v.devVar}, CommandLanguage::entryValue(part));
            emit dataReady({current, m_items.value(i).name, value});
        }
    }
    if (m_index >= m_addresses.size() - 1) {
        m_index = 0;
        m_busy = false;
        emit allDataReady(m_readBack);
    } else {
        ++m_index;
        readValues();
    }
}

// A controller that failed: the read-back ends there, the write goes on.
void DataSet::failCurrent(void (DataSet::*report)(QString))
{
    if (!m_busy || m_index >= m_addresses.size())
        return;
    const QString address = m_addresses.at(m_index);
    const bool writing = !m_reading;
    if (!writing) {
        stop();
    }
    emit(this->*report)(address);
    if (!writing)
        return;
    const auto result = report == &DataSet::writeNotAllowed ? WriteOutcome::Result::NotAllowed
                                                             : WriteOutcome::Result::Unanswered;
    QHash<QString, QString> sent;
    for (const QString &name : sentOnce(&sent))
        reportWritten(name, sent.value(name), QString(), result);
    nextWrite();
}
