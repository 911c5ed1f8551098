#pragma once

#include "devicerecord.h"
#include "eventrecord.h"
#include "replymatcher.h"
#include "teskschemevariable.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>

class QTeskCmd;

// Reads every variable bound into the shown scheme: one "get_all;" to each
// controller the scheme names, one after another, each value reported as
// soon as it is decoded and the whole map when the last controller is done.
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

signals:
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

    void readCurrent();
    void advance();
    bool decodeReply(const QStringList &parts);

    QTeskCmd *m_link;
    QMap<QString, QString> m_values;
    QString m_address;
    QString m_port;
    int m_index = 0;
    QList<TeskSchemeVariable> m_readVariables;
    QList<EventRecord> m_events;
    DeviceList m_devices;
    QStringList m_queue;
    QHash<QString, DeviceVariables> m_byDevice;
    quint64 m_generation = 0; // changes whenever the cycle is restarted or stopped
};
