#pragma once

#include "qteskcmd.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>

class PollChannel;

// The polling links of the program, one per controller (address and port).
// Every reader that polls a controller does so through a channel of the
// hub, so that a controller never has two polling requests in flight from
// the program, and one reply serves every reader waiting for it.
class PollHub : public QObject
{
    Q_OBJECT

public:
    explicit PollHub(QObject *parent = nullptr);

    // A channel to the controller, owned by parent.
    PollChannel *channel(const QString &address, quint16 port, QObject *parent);
    // Tests shorten the links' time-out; the program keeps the default.
    void setTimeoutMs(int ms);

private:
    friend class PollChannel;
    struct Endpoint
    {
        QString address;
        quint16 port = 0;
        QTeskCmd *link = nullptr;
        quint64 request = 0; // number of the request in flight; 0: none
        QVector<QPointer<PollChannel>> waiting;
        QString lastReply;
        QElapsedTimer lastReplyAge; // invalid: no reply yet
    };

    void join(PollChannel *channel, bool fresh, int acceptAgeMs);
    void leave(PollChannel *channel);
    void send(Endpoint &e);
    void deliver(int endpoint, bool replied);
    void deliverCached(PollChannel *channel);

    QVector<Endpoint> m_endpoints;
    QHash<QString, int> m_byKey;
    quint64 m_requests = 0;
    int m_timeoutMs = QTeskCmd::kDefaultTimeoutMs;
};
