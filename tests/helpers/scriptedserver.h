#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A controller stand-in on 127.0.0.1 that records every request frame and
// answers with exactly the bytes a test gives it.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedServer(QObject *parent = nullptr);

    quint16 port() const { return m_server->serverPort(); }
    // Bytes sent once a whole request has arrived; then the connection is
    // closed unless keepOpen. With no reply set nothing is sent.
    void setReply(const QByteArray &bytes, bool keepOpen = false);
    QList<QByteArray> requests() const { return m_requests; }
    int connections() const { return m_requests.size(); } // one request each

private:
    void onConnection();
    void onData(QTcpSocket *socket, const QByteArray &request);

    QTcpServer *m_server;
    QByteArray m_reply;
    bool m_replySet = false;
    bool m_keepOpen = false;
    QList<QByteArray> m_requests;
};
