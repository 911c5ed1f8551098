#include "qteskcmd.h"

#include "linktrace.h"
#include "teskframe.h"

#include <QDebug>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

QTeskCmd::QTeskCmd(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
    , m_timer(new QTimer(this))
{
    m_socket->setReadBufferSize(kMaxReplyBytes + 1);
    // Controllers are reached directly; asking for a proxy on every
    // connection only costs time.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_timer->setSingleShot(true);
    connect(m_socket, &QTcpSocket::readChannelFinished, this, qOverload<>(&QTeskCmd::dataReady));
    connect(m_socket, &QTcpSocket::connected, this, &QTeskCmd::connected);
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
    m_socket->abort();
    m_reply.clear();
    m_frame = TeskFrame::encode(command.toLatin1());
    m_socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    m_timer->start(m_timeoutMs);
}

void QTeskCmd::abortRequest()
{
    const auto state = m_socket->state();
    if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState
        || state == QAbstractSocket::HostLookupState)
        m_socket->abort();
}

QString QTeskCmd::checksum(const QString &text)
{
    return TeskFrame::checksum(text);
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

void QTeskCmd::dataReady()
{
    const QByteArray bytes = m_socket->readAll();
    qCDebug(linkTrace).noquote() << "debug2: " << quotedBytes(bytes);
    // Aborting a connection also ends the read channel; that is no reply.
    if (bytes.isEmpty())
        return;
    m_reply = bytes;
    qCDebug(linkTrace).noquote() << "Request ended: " << quotedBytes(TeskFrame::payloadOf(bytes));
    m_timer->stop();
    emit readyToRead();
    emit dataReady(TeskFrame::replyText(bytes));
}

void QTeskCmd::timeoutTimerTick()
{
    m_timer->stop();
    m_socket->abort();
    emit timeout();
}
