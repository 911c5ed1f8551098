#include "testnet.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>

namespace {

constexpr quint16 kDefaultPort = 16483;
constexpr int kHosts = 20;

bool portFreeOnHosts(const QString &prefix)
{
    for (int n = 1; n <= kHosts; ++n) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress(prefix + QString::number(n)), kDefaultPort))
            return false;
    }
    return true;
}

QString chooseSubnet()
{
    // 127.0.x.x stays for the demo and hand-started simulators.
    for (;;) {
        const QString prefix = QStringLiteral("127.%1.%2.")
                                   .arg(QRandomGenerator::global()->bounded(64, 255))
                                   .arg(QRandomGenerator::global()->bounded(1, 255));
        if (portFreeOnHosts(prefix))
            return prefix;
    }
}

} // namespace

namespace TestNet {

QString subnet()
{
    static const QString chosen = chooseSubnet();
    return chosen;
}

QString host(int n)
{
    return subnet() + QString::number(n);
}

} // namespace TestNet
