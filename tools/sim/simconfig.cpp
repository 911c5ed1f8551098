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

// "HH:MM" as minutes since midnight, 24:00 included; -1 when it is not one.
int minuteOfDay(const QString &text)
{
    const QStringList hm = text.split(QLatin1Char(':'));
    bool hOk = false;
    bool mOk = false;
    const int h = hm.value(0).toInt(&hOk);
    const int m = hm.value(1).toInt(&mOk);
    const int minute = h * 60 + m;
    return hm.size() == 2 && hOk && mOk && h >= 0 && m >= 0 && m < 60 && minute <= 24 * 60 ? minute : -1;
}

bool readWindow(const QDomElement &e, SimPast::Window *w)
{
    bool dayOk = false;
    bool minutesOk = false;
    w->day = e.attribute(QStringLiteral("day")).toInt(&dayOk);
    w->minute = minuteOfDay(e.attribute(QStringLiteral("time")));
    w->minutes = e.attribute(QStringLiteral("minutes")).toInt(&minutesOk);
    return dayOk && minutesOk && w->day >= 0 && w->minute >= 0 && w->minutes > 0;
}

// "05:00-12:00 13:00-21:30"
bool readPeriods(const QString &text, QVector<QPair<int, int>> *periods)
{
    for (const QString &period : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int from = minuteOfDay(period.section(QLatin1Char('-'), 0, 0));
        const int to = minuteOfDay(period.section(QLatin1Char('-'), 1));
        if (from < 0 || to <= from)
            return false;
        periods->append({from, to});
    }
    return !periods->isEmpty();
}

bool readPast(const QDomElement &past, SimPast *out)
{
    const QString variable = QStringLiteral("variable");
    for (QDomElement e = past.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        bool ok = true;
        if (e.tagName() == QLatin1String("Schedule")) {
            SimPast::Schedule s{e.attribute(variable), {}};
            ok = readPeriods(e.attribute(QStringLiteral("on")), &s.periods);
            out->schedules.append(s);
        } else if (e.tagName() == QLatin1String("DayCurve")) {
            out->curves.append({e.attribute(variable), number(e, "low"), number(e, "high")});
        } else if (e.tagName() == QLatin1String("Hold")) {
            SimPast::Hold h{e.attribute(variable), number(e, "value"), {}};
            ok = readWindow(e, &h.window);
            out->holds.append(h);
        } else if (e.tagName() == QLatin1String("Silent")) {
            SimPast::Window w;
            ok = readWindow(e, &w);
            out->silences.append(w);
        }
        if (!ok)
            return false;
    }
    return true;
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
    entry->seed = e.attribute(QStringLiteral("seed"), QStringLiteral("1")).toUInt();
    entry->controller = SimController(entry->seed);
    SimController &c = entry->controller;
    c.name = e.attribute(QStringLiteral("name"), address);
    const QDomElement id = e.firstChildElement(QStringLiteral("Identity"));
    c.mac = parts(id.attribute(QStringLiteral("mac"), QStringLiteral("00:00:00:00:00:00")));
    c.serial = parts(id.attribute(QStringLiteral("serial"), QStringLiteral("0-0-0-0")));
    c.version = parts(id.attribute(QStringLiteral("version"), QStringLiteral("1.0.0")));
    for (QDomElement v = e.firstChildElement(QStringLiteral("Variable")); !v.isNull();
         v = v.nextSiblingElement(QStringLiteral("Variable")))
        c.variables.append(readVariable(v));
    if (!readPast(e.firstChildElement(QStringLiteral("Past")), &entry->past)) {
        *error = QStringLiteral("bad time, day or period in the past of controller ") + address;
        return false;
    }
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
