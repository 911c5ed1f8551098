#include "simconfig.h"

#include <QDomDocument>
#include <QRegularExpression>

namespace SimConfig {

namespace {

QStringList parts(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("[:.,-]")), Qt::SkipEmptyParts);
}

double number(const QDomElement &e, const char *name, double fallback = 0)
{
    bool ok = false;
    const double v = e.attribute(QLatin1String(name)).toDouble(&ok);
    return ok ? v : fallback;
}

SimVariable readVariable(const QDomElement &e)
{
    SimVariable v;
    v.name = e.attribute(QStringLiteral("name"));
    v.type = e.attribute(QStringLiteral("type"), QStringLiteral("int"));
    v.modify = e.attribute(QStringLiteral("modify")).toInt() != 0;
    v.hasMin = e.hasAttribute(QStringLiteral("min"));
    v.hasMax = e.hasAttribute(QStringLiteral("max"));
    v.min = number(e, "min");
    v.max = number(e, "max");
    if (v.isNumeric())
        v.number = number(e, "value");
    else
        v.text = e.attribute(QStringLiteral("value"));
    v.err = e.attribute(QStringLiteral("err"), QStringLiteral("0"));
    v.drift = number(e, "drift");
    v.noise = number(e, "noise");
    v.follow = e.attribute(QStringLiteral("follow"));
    v.onValue = number(e, "on");
    v.offValue = number(e, "off");
    v.rate = number(e, "rate", 0.1);
    return v;
}

bool readController(const QDomElement &e, Entry *entry, QString *error)
{
    const QString address = e.attribute(QStringLiteral("address"), QStringLiteral("127.0.0.2"));
    if (!entry->address.setAddress(address)) {
        *error = QStringLiteral("not an address: ") + address;
        return false;
    }
    bool ok = true;
    entry->port = quint16(e.attribute(QStringLiteral("port"), QStringLiteral("16483")).toUInt(&ok));
    bool faultOk = false;
    entry->fault = simFaultFromName(e.attribute(QStringLiteral("fault")), &faultOk);
    if (!ok || !faultOk) {
        *error = QStringLiteral("bad port or fault in controller ") + address;
        return false;
    }
    entry->delayMs = e.attribute(QStringLiteral("delay")).toInt();
    entry->controller = SimController(e.attribute(QStringLiteral("seed"), QStringLiteral("1")).toUInt());
    SimController &c = entry->controller;
    c.name = e.attribute(QStringLiteral("name"), address);
    const QDomElement id = e.firstChildElement(QStringLiteral("Identity"));
    c.mac = parts(id.attribute(QStringLiteral("mac"), QStringLiteral("00:00:00:00:00:00")));
    c.serial = parts(id.attribute(QStringLiteral("serial"), QStringLiteral("0-0-0-0")));
    c.version = parts(id.attribute(QStringLiteral("version"), QStringLiteral("1.0.0")));
    for (QDomElement v = e.firstChildElement(QStringLiteral("Variable")); !v.isNull();
         v = v.nextSiblingElement(QStringLiteral("Variable")))
        c.variables.append(readVariable(v));
    return true;
}

} // namespace

bool parse(const QByteArray &xml, QList<Entry> *entries, QString *error)
{
    QDomDocument doc;
    int line = 0;
    if (!doc.setContent(xml, error, &line)) {
        *error = QStringLiteral("line %1: %2").arg(line).arg(*error);
        return false;
    }
    for (QDomElement e = doc.documentElement().firstChildElement(QStringLiteral("Controller")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("Controller"))) {
        Entry entry;
        if (!readController(e, &entry, error))
            return false;
        entries->append(entry);
    }
    return true;
}

} // namespace SimConfig
