#include "simserver.h"

#include "teskframe.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int kTrickleMs = 50;
constexpr qint64 kHugePayload = 17 * 1024 * 1024;

QByteArray hugeReply()
{
    QByteArray payload("get_all(");
    payload.reserve(int(kHugePayload) + 16);
    while (payload.size() < kHugePayload)
        payload += "big.filler=1234567890;";
    payload += ");";
    return TeskFrame::encode(payload);
}

} // namespace

SimServer::SimServer(const SimController &controller, const QHostAddress &address, quint16 port, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
    , m_address(address)
    , m_port(port)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &SimServer::accept);
}

bool SimServer::start(QString *error)
{
    if (m_fault == SimFault::Refuse || m_server->isListening())
        return true;
    if (m_server->listen(m_address, m_port)) {
        m_port = m_server->serverPort();
        return true;
    }
    if (error)
        *error = m_server->errorString();
    return false;
}

quint16 SimServer::port() const
{
    return m_port;
}

void SimServer::setFault(SimFault fault, int delayMs)
{
    m_fault = fault;
    m_delayMs = delayMs;
    if (fault == SimFault::Refuse)
        m_server->close();
    else
        start();
}

void SimServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("request", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SimServer::readRequest(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", buffer);
    const qint64 length = TeskFrame::announcedLength(buffer);
    const qint64 size = length + TeskFrame::kOverhead;
    if (length < 0 || buffer.size() < size || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QString command = QString::fromLatin1(TeskFrame::payloadOf(buffer.left(int(size))));
    m_commands << command;
    reply(socket, command);
}

void SimServer::reply(QTcpSocket *socket, const QString &command)
{
    const QByteArray frame = TeskFrame::encode(m_controller.answer(command).toUtf8());
    switch (m_fault) {
    case SimFault::None:
    case SimFault::Refuse:
        sendAndClose(socket, frame);
        break;
    case SimFault::Silent:
        break;
    case SimFault::KeepOpen:
        socket->write(frame);
        break;
    case SimFault::Delay: {
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(m_delayMs, this, [this, guard, frame] {
            if (guard)
                sendAndClose(guard, frame);
        });
        break;
    }
    case SimFault::Short:
        sendAndClose(socket, frame.left(frame.size() / 2));
        break;
    case SimFault::Garbage: {
        QByteArray noise(64, '\0');
        for (char &c : noise)
            c = char(QRandomGenerator::global()->bounded(256));
        sendAndClose(socket, noise);
        break;
    }
    case SimFault::Huge:
        sendAndClose(socket, hugeReply());
        break;
    case SimFault::Trickle:
        trickle(socket);
        break;
    }
}

void SimServer::sendAndClose(QTcpSocket *socket, const QByteArray &bytes)
{
    socket->write(bytes);
    socket->disconnectFromHost();
}

void SimServer::trickle(QTcpSocket *socket)
{
    auto *timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x", 1); });
    timer->start(kTrickleMs);
}
