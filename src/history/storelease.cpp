#include "storelease.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QUuid>

StoreLease StoreLease::ofThisProcess(qint64 intervalMs)
{
    StoreLease l;
    l.host = QSysInfo::machineHostName();
    l.pid = QCoreApplication::applicationPid();
    l.holder = l.host + QLatin1Char('/') + QString::number(l.pid) + QLatin1Char('/')
        + QUuid::createUuid().toString(QUuid::WithoutBraces);
    l.intervalMs = intervalMs;
    return l;
}

QString StoreLease::holderText() const
{
    return QCoreApplication::translate("StoreLease", "%1, proces %2").arg(host).arg(pid);
}
