#pragma once

#include "devicerecord.h"
#include "eventrecord.h"
#include "teskschemevariable.h"

#include <QObject>
#include <QStringList>

class QTeskCmd;

// Carries out the controller side of a scheme event: reads back the current
// values of the event's variables with "get(", one controller after another,
// then writes the values the owner filled in with "set(".
class DataSet : public QObject
{
    Q_OBJECT

public:
    explicit DataSet(QObject *parent = nullptr);

    // The controllers the event concerns: parallel lists of addresses and
    // port texts, each controller once.
    void setTargets(const QStringList &addresses, const QStringList &ports);
    void setDevices(const DeviceList &devices);
    void setEvent(const EventRecord &event);
    void readValues();
    void writeValues(const QList<TeskSchemeVariable> &list);

    QTeskCmd *link() const { return m_link; }

signals:
    void allDataReady(QList<TeskSchemeVariable> list);
    void dataReady(QStringList addressNameValue);
    void allDataSet();
    void dataSet();
    // A controller did not answer within the link's time-out; the phase has
    // ended and the next event starts with the first controller again.
    void writeTimeout(QString address);

public slots:
    void readFinished(const QString &reply);

private:
    void linkTimeout();
    bool atValidIndex();
    void readBackReply(const QString &reply);
    void writeReply();
    quint16 currentPort() const;

    QTeskCmd *m_link;
    QList<TeskSchemeVariable> m_readBack;
    DeviceList m_devices;
    QList<TeskSchemeVariable> m_writeList;
    QStringList m_addresses;
    QStringList m_ports;
    int m_index = 0;
    QList<EventItemRecord> m_items;
    bool m_reading = true;
};
