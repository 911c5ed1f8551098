#include "simfault.h"

#include <QStringList>

namespace {
const QStringList kNames = {QStringLiteral("none"),    QStringLiteral("silent"),  QStringLiteral("keepOpen"),
                            QStringLiteral("delay"),   QStringLiteral("short"),   QStringLiteral("garbage"),
                            QStringLiteral("huge"),    QStringLiteral("trickle"), QStringLiteral("refuse")};
}

SimFault simFaultFromName(const QString &name, bool *ok)
{
    const int i = kNames.indexOf(name);
    if (ok)
        *ok = i >= 0 || name.isEmpty();
    return i < 0 ? SimFault::None : SimFault(i);
}

QString simFaultName(SimFault fault)
{
    return kNames.at(int(fault));
}
