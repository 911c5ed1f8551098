#pragma once

#include "simcontroller.h"
#include "simfault.h"

#include <QHostAddress>
#include <QObject>

class QTcpServer;
class QTcpSocket;

// Serves one simulated controller on one address and port: each connection
// carries one request frame and gets one reply frame, as the fault mode says.
class SimServer : public QObject
{
    Q_OBJECT

public:
    SimServer(const SimController &controller, const QHostAddress &address, quint16 port,
              QObject *parent = nullptr);

    bool start(QString *error = nullptr);
    quint16 port() const; // the port listened on (the chosen one when 0 was asked)
    QHostAddress address() const { return m_address; }

    SimController &controller() { return m_controller; }

    void setFault(SimFault fault, int delayMs = 0);
    SimFault fault() const { return m_fault; }

    int requestCount() const { return m_commands.size(); }
    QString lastCommand() const { return m_commands.value(m_commands.size() - 1); }
    QStringList commands() const { return m_commands; }

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void reply(QTcpSocket *socket, const QString &command);
    void sendAndClose(QTcpSocket *socket, const QByteArray &bytes);
    void trickle(QTcpSocket *socket);

    SimController m_controller;
    QHostAddress m_address;
    quint16 m_port;
    QTcpServer *m_server;
    SimFault m_fault = SimFault::None;
    int m_delayMs = 0;
    QStringList m_commands; // every command received, in order
};
