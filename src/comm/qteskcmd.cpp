#include "qteskcmd.h"

#include "linktrace.h"
#include "teskframe.h"

#include <QDebug>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

namespace {

std::function<bool()> &writeGuard()
{
    static std::function<bool()> guard;
    return guard;
}

} // namespace

QTeskCmd::QTeskCmd(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
    , m_timer(new QTimer(this))
{
    // Controllers are reached directly; asking for a proxy on every
    // connection only costs time.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_timer->setSingleShot(true);
    connect(m_socket, &QTcpSocket::readyRead, this, &QTeskCmd::collect);
    connect(m_socket, &QTcpSocket::readChannelFinished, this, qOverload<>(&QTeskCmd::dataReady));
    connect(m_socket, &QTcpSocket::connected, this, &QTeskCmd::connected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &QTeskCmd::socketError);
    connect(m_timer, &QTimer::timeout, this, &QTeskCmd::timeoutTimerTick);
}

QTeskCmd::~QTeskCmd()
{
    // Leaving without a signal: nothing may reach a half-destroyed receiver.
    m_socket->disconnect(this);
}

void QTeskCmd::sendRequest(const QString &host, const QString &command, quint16 port)
{
    qCDebug(linkTrace) << "debug1: " << command;
    drop();
    ++m_request;
    m_inFlight = true;
    m_failure = Failure::None;
    m_reply.clear();
    m_frame = TeskFrame::encode(command.toLatin1());
    if (command.startsWith(QLatin1String("set(")) && writeGuard() && !writeGuard()()) {
        // Reported on the next turn, as every failure is.
        QTimer::singleShot(0, this, [this, request = m_request] {
            if (request == m_request && m_inFlight)
                fail(Failure::NotAllowed);
        });
        return;
    }
    m_timer->start(m_timeoutMs);
    m_socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

void QTeskCmd::abortRequest()
{
    drop();
}

// Forgets the request in flight: its time-out, its connection and whatever
// the controller would still send.
void QTeskCmd::drop()
{
    m_inFlight = false;
    m_timer->stop();
    m_socket->abort();
}

QString QTeskCmd::checksum(const QString &text)
{
    return TeskFrame::checksum(text);
}

void QTeskCmd::setWriteGuard(const std::function<bool()> &allowed)
{
    writeGuard() = allowed;
}

void QTeskCmd::setTimeoutMs(int ms)
{
    m_timeoutMs = ms;
}

void QTeskCmd::connected()
{
    qCDebug(linkTrace) << "Connected to host";
    qCDebug(linkTrace).noquote() << "debug1 frame: " << quotedBytes(m_frame);
    m_socket->write(m_frame);
    m_socket->flush(); // out now, not on the next turn of the event loop
}

// Bytes are taken as they come, so that a reply whose length field is met
// ends the request even when the controller keeps the connection open.
void QTeskCmd::collect()
{
    if (!m_inFlight)
        return;
    m_reply += m_socket->readAll();
    if (m_reply.size() > kMaxReplyBytes)
        fail(Failure::Incomplete);
    else if (TeskFrame::wholeByLength(m_reply))
        finish(TeskFrame::ReplyCheck::Whole);
}

// The controller closed its side.
void QTeskCmd::dataReady()
{
    if (!m_inFlight)
        return; // an abandoned request, or one already ended
    if (m_socket->isOpen())
        m_reply += m_socket->readAll();
    finish(TeskFrame::checkReply(m_reply));
}

// Ends the request with what has arrived: a whole reply is delivered,
// anything else is a failure.
void QTeskCmd::finish(TeskFrame::ReplyCheck check)
{
    qCDebug(linkTrace).noquote() << "debug2: " << quotedBytes(m_reply);
    if (m_reply.isEmpty()) {
        fail(Failure::NoAnswer);
        return;
    }
    if (check != TeskFrame::ReplyCheck::Whole) {
        fail(check == TeskFrame::ReplyCheck::BadChecksum ? Failure::BadChecksum : Failure::Incomplete);
        return;
    }
    qCDebug(linkTrace).noquote() << "Request ended: " << quotedBytes(TeskFrame::payloadOf(m_reply));
    drop();
    emit readyToRead();
    emit dataReady(TeskFrame::replyText(m_reply));
}

// A refused, reset or unreachable connection ends the request at once. The
// report waits for the next turn of the event loop: the socket may raise
// the error while the request is still being sent.
void QTeskCmd::socketError()
{
    if (!m_inFlight)
        return;
    const bool closed = m_socket->error() == QAbstractSocket::RemoteHostClosedError;
    QTimer::singleShot(0, this, [this, request = m_request, closed] {
        if (request != m_request || !m_inFlight)
            return;
        if (closed)
            dataReady();
        else
            fail(Failure::NoAnswer);
    });
}

void QTeskCmd::timeoutTimerTick()
{
    if (m_inFlight)
        fail(Failure::NoAnswer);
}

void QTeskCmd::fail(Failure why)
{
    m_failure = why;
    drop();
    emit timeout();
}
