#pragma once

#include "qteskcmd.h"

#include <QObject>
#include <QPointer>

class PollHub;

// One reader's way to poll one controller through the hub: it asks for the
// controller's values and gets the reply, or the failure, of the request it
// joined, whoever sent it.
class PollChannel : public QObject
{
    Q_OBJECT

public:
    ~PollChannel() override;

    // Asks "get_all;"; a request in flight is joined, not doubled. With a
    // reply no older than acceptAgeMs at hand, that reply is delivered
    // instead (once the event loop turns).
    void request(int acceptAgeMs = 0);
    // Gives up the request in flight and sends a new one, for every reader
    // waiting on it: the old one is known to be lost.
    void restart();
    // This reader no longer waits; the request is dropped once nobody does.
    void abandon();
    bool inFlight() const { return m_request != 0; }
    QTeskCmd::Failure failure() const { return m_failure; }

signals:
    void dataReady(QString reply);
    void timeout();

private:
    friend class PollHub;
    PollChannel(PollHub *hub, int endpoint, QObject *parent);

    QPointer<PollHub> m_hub;
    int m_endpoint;
    quint64 m_request = 0; // the hub's number of the request it waits for
    QTeskCmd::Failure m_failure = QTeskCmd::Failure::None;
};
