#include "scriptedserver.h"

#include <QTcpServer>
#include <QTcpSocket>

ScriptedServer::ScriptedServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &ScriptedServer::onConnection);
}

quint16 ScriptedServer::port() const
{
    return m_server->serverPort();
}

void ScriptedServer::setReply(const QByteArray &bytes, bool keepOpen)
{
    m_reply = bytes;
    m_replySet = true;
    m_keepOpen = keepOpen;
}

void ScriptedServer::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        ++m_connections;
        socket->setParent(this);
        m_requests.append(QByteArray());
        const int index = m_requests.size() - 1;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, index] {
            m_requests[index] += socket->readAll();
            onData(socket);
        });
    }
}

void ScriptedServer::onData(QTcpSocket *socket)
{
    const QByteArray &request = m_requests.last();
    if (request.size() < 12)
        return;
    qint64 n = 0;
    for (int i = 7; i < 11; ++i)
        n = (n << 8) | quint8(request.at(i));
    if (request.size() < n + 15 || !m_replySet)
        return;
    socket->write(m_reply);
    if (!m_keepOpen)
        socket->disconnectFromHost();
}
