#pragma once

#include "devicerecord.h"
#include "eventrecord.h"
#include "teskschemevariable.h"
#include "writeoutcome.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QTeskCmd;

// Carries out the controller side of a scheme event: reads back the current
// values of the event's variables with "get(", one controller after another,
// then writes the values the owner filled in with "set(" and checks each
// controller's reply against what was sent.
class DataSet : public QObject
{
    Q_OBJECT

public:
    explicit DataSet(QObject *parent = nullptr);

    // The controllers the event names, as setTargets takes them.
    static void collectTargets(const EventRecord &event, const DeviceList &devices, QStringList *addresses,
                               QStringList *ports);
    // The controllers the event concerns: parallel lists of addresses and
    // port texts, each controller once.
    void setTargets(const QStringList &addresses, const QStringList &ports);
    void setDevices(const DeviceList &devices);
    void setEvent(const EventRecord &event);
    void readValues();
    void writeValues(const QList<TeskSchemeVariable> &list);
    // Abandons the request in flight; the next event starts afresh.
    void stop();
    bool isBusy() const { return m_busy; }
    bool isWriting() const { return m_busy && !m_reading; }

    QTeskCmd *link() const { return m_link; }

signals:
    void allDataReady(QList<TeskSchemeVariable> list);
    void dataReady(QStringList addressNameValue);
    void allDataSet();
    void dataSet();
    // A controller did not answer within the link's time-out (writeTimeout),
    // or its reply holds no values (badReply: garbage, a cut frame). During
    // the read-back the event is dropped and the writer is idle again; during
    // the write what was sent to it is unconfirmed and the write goes on with
    // the next controller.
    void writeTimeout(QString address);
    void badReply(QString address);
    // A written variable the controller's reply lacks: it refused the value.
    void writeRefused(QStringList addressVariableSent);
    // A written variable the controller kept with another value (clamped).
    void writeChanged(QStringList addressVariableSentKept);
    // A write the station's user may not make: nothing was sent to address.
    void writeNotAllowed(QString address);
    // Every variable written, whatever became of it, once its controller
    // has answered or failed; its value before as the read-back had it
    // from the controller (not decoded).
    void written(const WriteOutcome &outcome);

public slots:
    void readFinished(const QString &reply);

private:
    bool atValidIndex();
    void readBackReply(const QStringList &parts);
    void verifyWrite(const QStringList &parts);
    void nextWrite();
    void failCurrent(void (DataSet::*report)(QString));
    QStringList sentOnce(QHash<QString, QString> *values) const;
    void reportWritten(const QString &variable, const QString &sent, const QString &kept, WriteOutcome::Result result);
    quint16 currentPort() const;
    bool isCurrent(const QString &deviceId) const;

    QTeskCmd *m_link;
    QList<TeskSchemeVariable> m_readBack;
    QHash<QPair<QString, QString>, QString> m_rawBack; // by controller and variable, as the controller sent it
    DeviceList m_devices;
    QList<TeskSchemeVariable> m_writeList;
    QStringList m_addresses;
    QStringList m_ports;
    int m_index = 0;
    QList<EventItemRecord> m_items;
    bool m_reading = true;
    bool m_busy = false;
    QList<QPair<QString, QString>> m_sent; // to the current controller, in order
};
