#pragma once

#include "controllerstatus.h"
#include "devicerecord.h"
#include "eventrecord.h"
#include "replymatcher.h"
#include "teskschemevariable.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>

class QTeskCmd;
class QTimer;

// Reads every variable bound into the shown scheme: one "get_all;" to each
// controller the scheme names, one after another, each value reported as
// soon as it is decoded and the whole map when the last controller is done.
// A reply is decoded on the next turn of the event loop, once the next
// controller has been asked, so that the two overlap; the reports come in
// the same order all the same.
class DataRead : public QObject
{
    Q_OBJECT

public:
    explicit DataRead(QObject *parent = nullptr);

    void setScheme(const QList<TeskSchemeVariable> &readVariables, const QList<EventRecord> &events,
                   const DeviceList &devices);
    void start();
    void stop();

    // The controllers to read, in order: those of the read variables first,
    // then those only the events name.
    QStringList queue() const { return m_queue; }
    QTeskCmd *link() const { return m_link; }

    // One entry per controller of the queue, in queue order; current
    // whenever allDataRead is emitted.
    QList<ControllerStatus> controllerStatus() const { return m_status; }

signals:
    // Once per pass, just before allDataRead, and when setScheme resets it.
    void controllerStatusChanged();
    void allDataRead(QMap<QString, QString> values);
    void varRead(QStringList addressPropertyValue);
    void deviceNotFound(QString id);
    void varReadError(QStringList addressVariableProperty);
    void readTimeout(QString message);

public slots:
    void dataReady(const QString &reply);
    void timeout();

private:
    struct DeviceVariables
    {
        QVector<int> variables; // indices into the read variables
        ReplyMatcher matcher;   // over their controller names, same order
    };

    struct Pending
    {
        QStringList parts;
        QString device;
        QString address;
        quint64 generation = 0;
        bool last = false;  // the last controller of the cycle
        bool asked = false; // the next controller was found and asked
    };

    void buildQueue(const QList<EventRecord> &events);
    void buildMatchers();
    QMap<QString, QString> valueMap() const;
    void decodePending();
    bool requestCurrent();
    void readCurrent();
    void buildStatus();
    void markAnswered(int index);
    void decodeReply(const QStringList &parts, const QString &device, const QString &address);

    QTeskCmd *m_link;
    QTimer *m_decodeTimer; // decodes the pending reply on the next turn of the loop
    Pending m_pending;
    bool m_hasPending = false;
    // The values of this cycle by property; handed over as a QMap built in
    // key order from m_sortedProperties, which is cheaper than keeping one.
    QHash<QString, QString> m_values;
    QStringList m_sortedProperties;
    QString m_address;
    QString m_port;
    int m_index = 0;
    QList<TeskSchemeVariable> m_readVariables;
    DeviceList m_devices;
    QStringList m_queue;
    QHash<QString, DeviceVariables> m_byDevice;
    QList<ControllerStatus> m_status;
    QElapsedTimer m_requestClock; // since the current controller was asked
    quint64 m_generation = 0; // changes whenever the cycle is restarted or stopped
};
