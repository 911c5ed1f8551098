#include "testnet.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>

namespace {

// 127.0.x.x stays for the demo and hand-started simulators.
QString chooseSubnet()
{
    for (;;) {
        QRandomGenerator *random = QRandomGenerator::global();
        const QString prefix = QStringLiteral("127.%1.%2.").arg(random->bounded(64, 255)).arg(random->bounded(1, 255));
        bool free = true;
        for (int n = 1; free && n <= 20; ++n) {
            QTcpServer probe;
            free = probe.listen(QHostAddress(prefix + QString::number(n)), 16483);
        }
        if (free)
            return prefix;
    }
}

} // namespace

QString TestNet::subnet()
{
    static const QString chosen = chooseSubnet();
    return chosen;
}

QString TestNet::host(int n)
{
    return subnet() + QString::number(n);
}
