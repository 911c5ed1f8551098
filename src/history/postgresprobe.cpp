#include "postgresprobe.h"

#include "monitoringrecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QtEndian>

#include <functional>

namespace {

const int kSliceMs = 50;
const quint16 kDefaultPort = 5432;
// The request to talk encrypted: every server answers it with one byte
// ('S' or 'N') before anything else is said.
const quint32 kSslRequestCode = 80877103;

QString tr(const char *text)
{
    return QCoreApplication::translate("PostgresProbe", text);
}

// Waits in slices, so that giveUp is seen within one.
bool waitFor(const std::function<bool(int)> &step, const QDeadlineTimer &deadline, const std::atomic<bool> &giveUp)
{
    while (!giveUp && !deadline.hasExpired()) {
        if (step(int(qMin<qint64>(kSliceMs, deadline.remainingTime()))))
            return true;
    }
    return false;
}

} // namespace

bool PostgresProbe::answers(const StoreRecord &store, int timeoutMs, const std::atomic<bool> &giveUp, QString *error)
{
    if (store.host.isEmpty() || store.host.startsWith(QLatin1Char('/')))
        return true;
    bool numeric = false;
    const quint16 port = store.port.toUShort(&numeric);
    const QDeadlineTimer deadline(timeoutMs);
    QTcpSocket socket;
    socket.connectToHost(store.host, numeric ? port : kDefaultPort);
    const bool connected = waitFor(
        [&](int ms) { return socket.waitForConnected(ms) || socket.state() == QAbstractSocket::UnconnectedState; },
        deadline, giveUp);
    if (connected && socket.state() == QAbstractSocket::ConnectedState) {
        uchar request[8];
        qToBigEndian<quint32>(sizeof request, request);
        qToBigEndian<quint32>(kSslRequestCode, request + 4);
        socket.write(reinterpret_cast<const char *>(request), sizeof request);
        if (waitFor([&](int ms) { return socket.waitForReadyRead(ms) || socket.state() != QAbstractSocket::ConnectedState; },
                    deadline, giveUp)
            && socket.bytesAvailable() > 0) {
            socket.abort();
            return true;
        }
    }
    if (giveUp)
        *error = tr("zamykanie: próba połączenia z serwerem PostgreSQL przerwana");
    else if (socket.state() == QAbstractSocket::UnconnectedState)
        *error = socket.errorString();
    else
        *error = tr("serwer PostgreSQL %1 nie odpowiada").arg(store.host);
    socket.abort();
    return false;
}
