#include "pollhub.h"

#include "commandlanguage.h"
#include "pollchannel.h"

#include <QTimer>

#include <utility>

PollHub::PollHub(QObject *parent)
    : QObject(parent)
{
}

PollChannel *PollHub::channel(const QString &address, quint16 port, QObject *parent)
{
    const QString key = address + QLatin1Char(' ') + QString::number(port);
    auto it = m_byKey.constFind(key);
    if (it == m_byKey.constEnd()) {
        const int index = m_endpoints.size();
        Endpoint e;
        e.address = address;
        e.port = port;
        e.link = new QTeskCmd(this);
        e.link->setTimeoutMs(m_timeoutMs);
        connect(e.link, qOverload<QString>(&QTeskCmd::dataReady), this, [this, index](const QString &reply) {
            m_endpoints[index].lastReply = reply;
            m_endpoints[index].lastReplyAge.start();
            deliver(index, true);
        });
        connect(e.link, &QTeskCmd::timeout, this, [this, index] { deliver(index, false); });
        m_endpoints.append(e);
        it = m_byKey.insert(key, index);
    }
    return new PollChannel(this, it.value(), parent);
}

void PollHub::setTimeoutMs(int ms)
{
    m_timeoutMs = ms;
    for (const Endpoint &e : qAsConst(m_endpoints))
        e.link->setTimeoutMs(ms);
}

void PollHub::join(PollChannel *channel, bool fresh, int acceptAgeMs)
{
    Endpoint &e = m_endpoints[channel->m_endpoint];
    if (!fresh && e.request == 0 && e.lastReplyAge.isValid() && e.lastReplyAge.elapsed() <= acceptAgeMs) {
        deliverCached(channel);
        return;
    }
    if (fresh || e.request == 0)
        send(e);
    if (!e.waiting.contains(channel))
        e.waiting.append(channel);
    channel->m_request = e.request;
}

// A reply that came a moment ago serves a reader that can take it as it is.
void PollHub::deliverCached(PollChannel *channel)
{
    const quint64 token = ++m_requests;
    channel->m_request = token;
    const QString reply = m_endpoints.at(channel->m_endpoint).lastReply;
    QTimer::singleShot(0, channel, [channel, token, reply] {
        if (channel->m_request != token)
            return;
        channel->m_request = 0;
        channel->m_failure = QTeskCmd::Failure::None;
        emit channel->dataReady(reply);
    });
}

// Whoever waited for the request it replaces waits for this one.
void PollHub::send(Endpoint &e)
{
    e.request = ++m_requests;
    for (const QPointer<PollChannel> &channel : qAsConst(e.waiting)) {
        if (channel)
            channel->m_request = e.request;
    }
    e.link->sendRequest(e.address, CommandLanguage::getAllCommand(), e.port);
}

void PollHub::leave(PollChannel *channel)
{
    channel->m_request = 0;
    Endpoint &e = m_endpoints[channel->m_endpoint];
    e.waiting.removeAll(channel);
    if (e.waiting.isEmpty() && e.request != 0) {
        e.request = 0;
        e.link->abortRequest();
    }
}

// Everyone waiting for the request hears how it ended; a receiver may ask
// again, or drop another channel, while the others are told.
void PollHub::deliver(int endpoint, bool replied)
{
    Endpoint &e = m_endpoints[endpoint];
    const quint64 request = e.request;
    const QVector<QPointer<PollChannel>> waiting = std::exchange(e.waiting, {});
    e.request = 0;
    const QTeskCmd::Failure failure = replied ? QTeskCmd::Failure::None : e.link->failure();
    const QString reply = replied ? e.lastReply : QString();
    for (const QPointer<PollChannel> &channel : waiting) {
        if (!channel || channel->m_request != request)
            continue;
        channel->m_request = 0;
        channel->m_failure = failure;
        if (replied)
            emit channel->dataReady(reply);
        else
            emit channel->timeout();
    }
}
