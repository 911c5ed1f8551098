#include "simcontrollers.h"

#include "simconfig.h"

namespace SimControllers {

SimServer *start(QObject *parent, const QString &address, const QByteArray &variables, quint16 port)
{
    const QByteArray xml = "<TeskSim><Controller address=\"" + address.toLatin1() + "\" port=\""
        + QByteArray::number(port) + "\">" + variables + "</Controller></TeskSim>";
    QList<SimConfig::Entry> entries;
    QString error;
    if (!SimConfig::parse(xml, &entries, &error) || entries.size() != 1)
        qFatal("bad simulated controller: %s", qPrintable(error));
    auto *server = new SimServer(entries.first().controller, entries.first().address, port, parent);
    if (!server->start(&error))
        qFatal("cannot listen on %s: %s", qPrintable(address), qPrintable(error));
    return server;
}

DeviceRecord device(const QString &id, const SimServer *server)
{
    return {id, server->address().toString(), QString::number(server->port()), QString()};
}

} // namespace SimControllers
