#include "scriptedserver.h"

#include <QTcpServer>
#include <QtEndian>
#include <QTcpSocket>

ScriptedServer::ScriptedServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    m_server->listen(QHostAddress::LocalHost, 0);
    connect(m_server, &QTcpServer::newConnection, this, &ScriptedServer::onConnection);
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
        socket->setParent(this);
        m_requests.append(QByteArray());
        const int index = m_requests.size() - 1;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, index] {
            m_requests[index] += socket->readAll();
            onData(socket, m_requests.at(index));
        });
    }
}

// The request is whole once the payload its length field gives and the
// three closing bytes are in.
void ScriptedServer::onData(QTcpSocket *socket, const QByteArray &request)
{
    if (!m_replySet || request.size() < 15
        || request.size() < qint64(qFromBigEndian<quint32>(request.constData() + 7)) + 15)
        return;
    socket->write(m_reply);
    if (!m_keepOpen)
        socket->disconnectFromHost();
}
