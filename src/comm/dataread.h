#pragma once

#include "controllerstatus.h"
#include "devicerecord.h"
#include "eventrecord.h"
#include "schemereplydecoder.h"
#include "teskschemevariable.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVector>

class PollChannel;
class PollHub;
class QTimer;

// Reads every variable bound into the shown scheme: one "get_all;" to each
// controller the scheme names, all of them at once, each value reported as
// soon as it is decoded and the whole map when the pass is over. A pass
// waits for a controller at most the pass limit; one that fails is "not
// answering": later passes still ask it but do not wait for it (asking anew
// once its request is long overdue), and its first good answer brings it
// back. One that answers, but slower than the
// limit, is not waited for either. Each controller (address and port) is
// polled through a channel of a poll hub, never with more than one request
// in flight, also when other readers share the hub.
class DataRead : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMinPassLimitMs = 1000;

    explicit DataRead(QObject *parent = nullptr);

    void setScheme(const QList<TeskSchemeVariable> &readVariables, const QList<EventRecord> &events,
                   const DeviceList &devices);
    void start();
    void stop();

    // How long a pass waits for its controllers: the scheme's update
    // interval; never less than 1 s, so that an interval of 0 still reads.
    void setPassLimitMs(int ms);
    // Tests shorten the links' time-out; the program keeps the default.
    void setLinkTimeoutMs(int ms);
    // Polls through the hub other readers use, before the first scheme is
    // set: a controller they read too is then never asked twice at once.
    void setPollHub(PollHub *hub);

    // The controllers to read, in order: those of the read variables first,
    // then those only the events name.
    QStringList queue() const { return m_queue; }
    // One entry per controller of the queue, in queue order; current
    // whenever allDataRead is emitted.
    QList<ControllerStatus> controllerStatus() const;
    // The values of the last pass; stopping the reader keeps them.
    QMap<QString, QString> values() const { return m_lastValues; }

signals:
    void allDataRead(QMap<QString, QString> values);
    void varRead(QStringList addressPropertyValue);
    void deviceNotFound(QString id);
    void varReadError(QStringList addressVariableProperty);
    // A controller stopped answering; the message names it and says why.
    // Raised once when it stops, not once per pass.
    void readTimeout(QString message);
    // A controller that had stopped answering answers again.
    void readResumed(QString message);
    // Once per pass, just before allDataRead, and when setScheme resets it.
    void controllerStatusChanged();

private:
    // One controller as reached on the wire; several IDs may share it.
    struct Target
    {
        QString address;
        quint16 port = 0;
        PollChannel *link = nullptr;
        QVector<int> entries;  // queue positions it serves
        QElapsedTimer clock;   // since its request was sent
        bool waited = false;   // the running pass waits for its reply
        bool carried = false;  // its values came between passes: the next pass keeps them
        bool answering = true;
        QDateTime lastAnswer;
        int lastResponseMs = -1;
        ControllerStatus::Failure failure = ControllerStatus::Failure::NoAnswer;
    };

    void buildQueue(const QList<EventRecord> &events);
    void buildTargets();
    void releaseLinks();
    static bool isOverdue(const Target &t);
    void ask(int target, bool anew);
    PollHub *hub();
    void replied(int target, const QString &reply);
    void linkFailed(int target);
    bool failed(int target, const QString &why, ControllerStatus::Failure failure);
    bool decodeReply(int target, const QVector<QStringRef> &parts);
    void passLimitReached();
    void settled(int target);
    void finishPass();
    QString named(const QString &address, const QString &text) const;

    SchemeReplyDecoder m_decoder;
    QList<TeskSchemeVariable> m_readVariables;
    DeviceList m_devices;
    QStringList m_queue;
    QVector<int> m_targetOf; // per queue position; -1 when the device list lacks the ID
    QVector<Target> m_targets;
    // Per queue position: the values of its last reply, each with the index
    // of its property among the decoder's sorted properties.
    QVector<QVector<QPair<int, QString>>> m_entryValues;
    QMap<QString, QString> m_lastValues;
    QHash<QString, ControllerStatus> m_known; // by address and port, from the schemes read before
    QTimer *m_passTimer;
    int m_passLimitMs = kMinPassLimitMs;
    PollHub *m_hub = nullptr;
    bool m_passRunning = false;
    int m_waiting = 0;        // controllers the running pass still waits for
    quint64 m_generation = 0; // changes whenever a pass starts or is stopped, or the scheme changes
};
