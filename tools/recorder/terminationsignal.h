#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT turned into a Qt signal on the thread that made it:
// the handler only writes a byte to a pipe, which the event loop reads.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received(int signal);

private:
    static void handle(int signal);
    void read();

    QSocketNotifier *m_notifier = nullptr;
    static int s_pipe[2];
};
