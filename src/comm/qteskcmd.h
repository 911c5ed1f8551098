#pragma once

#include "teskframe.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QTcpSocket;
class QTimer;

// The link to one controller: sends one command over a fresh TCP connection
// and reports the reply text once a whole reply frame has arrived, or that
// the request failed. One request at a time; a new request, or abandoning
// the one in flight, drops it together with its time-out and anything it
// would still have delivered.
class QTeskCmd : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultTimeoutMs = 20000;
    // Replies larger than this are never read whole: the request fails as
    // an incomplete reply instead of filling the memory.
    static constexpr qint64 kMaxReplyBytes = 16 * 1024 * 1024;

    // Why the last request failed.
    enum class Failure {
        None,
        NoAnswer,    // time-out, or the connection refused, reset or closed without a reply
        Incomplete,  // the reply was cut off, or is larger than any reply may be
        BadChecksum, // the reply's check sum does not match its payload
        NotAllowed,  // a write the station's user may not make: never sent
    };

    explicit QTeskCmd(QObject *parent = nullptr);
    ~QTeskCmd() override;

    void sendRequest(const QString &host, const QString &command, quint16 port);
    void abortRequest();
    static QString checksum(const QString &text);
    // Asked before every "set(" any link sends, so that no path writes to a
    // controller unless the one logged in may; none set: every write goes.
    static void setWriteGuard(const std::function<bool()> &allowed);

    // Tests shorten the time-out; the program always uses the default.
    void setTimeoutMs(int ms);
    int timeoutMs() const { return m_timeoutMs; }

    QByteArray requestFrame() const { return m_frame; }
    QByteArray lastReplyFrame() const { return m_reply; }
    Failure failure() const { return m_failure; }
    bool inFlight() const { return m_inFlight; }

signals:
    void readyToRead();
    void dataReady(QString data);
    // Not raised: a wrong check sum ends the request like any other
    // failure, through timeout(), so that no caller is left waiting.
    void crcError();
    // The request ended without a usable reply; failure() tells why.
    void timeout();

private slots:
    void dataReady();
    void connected();
    void timeoutTimerTick();

private:
    void collect();
    void finish(TeskFrame::ReplyCheck check);
    void socketError();
    void fail(Failure why);
    void drop();

    QByteArray m_frame;
    QByteArray m_reply;
    QTcpSocket *m_socket;
    QTimer *m_timer;
    int m_timeoutMs = kDefaultTimeoutMs;
    bool m_inFlight = false;
    quint64 m_request = 0; // counts requests, so that a deferred report finds its own
    Failure m_failure = Failure::None;
};
