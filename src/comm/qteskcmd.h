#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// The link to one controller: sends one command over a fresh TCP connection
// and reports the reply text once the controller has closed its side, or a
// time-out. One request at a time; a new request abandons the one in flight.
// The reply's check sum is not verified (controllers in the field may not
// fill it in), so crcError() is never raised by the link itself.
class QTeskCmd : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 20000;
    // Replies larger than this are never read whole: the request then ends
    // in timeout() instead of filling the memory.
    static constexpr qint64 kMaxReplyBytes = 16 * 1024 * 1024;

    explicit QTeskCmd(QObject *parent = nullptr);
    ~QTeskCmd() override;

    void sendRequest(const QString &host, const QString &command, quint16 port);
    void abortRequest();
    static QString checksum(const QString &text);

    // Tests shorten the time-out; the program always uses the default.
    void setTimeoutMs(int ms);
    int timeoutMs() const { return m_timeoutMs; }

    QByteArray requestFrame() const { return m_frame; }
    QByteArray lastReplyFrame() const { return m_reply; }

signals:
    void readyToRead();
    void dataReady(QString data);
    void crcError();
    void timeout();

private slots:
    void dataReady();
    void connected();
    void timeoutTimerTick();

private:
    QByteArray m_frame;
    QByteArray m_reply;
    QTcpSocket *m_socket;
    QTimer *m_timer;
    int m_timeoutMs = kDefaultTimeoutMs;
};
