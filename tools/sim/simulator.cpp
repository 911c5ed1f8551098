#include "simulator.h"

#include "simconfig.h"

#include <QFile>
#include <QTimer>

Simulator::Simulator(QObject *parent)
    : QObject(parent)
    , m_clock(new QTimer(this))
{
    connect(m_clock, &QTimer::timeout, this, &Simulator::tick);
}

bool Simulator::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return loadXml(file.readAll(), error);
}

bool Simulator::loadXml(const QByteArray &xml, QString *error)
{
    QList<SimConfig::Entry> entries;
    if (!SimConfig::parse(xml, &entries, error))
        return false;
    for (const SimConfig::Entry &e : entries) {
        auto *server = new SimServer(e.controller, e.address, e.port, this);
        server->setFault(e.fault, e.delayMs);
        m_servers.append(server);
    }
    m_entries += entries;
    return true;
}

bool Simulator::start(QString *error, int tickMs)
{
    for (SimServer *s : qAsConst(m_servers)) {
        QString why;
        if (!s->start(&why)) {
            *error = s->address().toString() + QLatin1Char(':') + QString::number(s->port()) + QStringLiteral(": ") + why;
            return false;
        }
    }
    m_tickMs = tickMs;
    m_clock->start(tickMs);
    return true;
}

SimServer *Simulator::server(const QString &name) const
{
    for (SimServer *s : m_servers) {
        if (s->controller().name == name)
            return s;
    }
    return nullptr;
}

void Simulator::tick()
{
    for (SimServer *s : qAsConst(m_servers))
        s->controller().step(m_tickMs / 1000.0);
}
