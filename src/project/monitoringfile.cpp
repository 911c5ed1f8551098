#include "monitoringfile.h"

#include "trendsetxml.h"
#include "xmlkeep.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace {

const QString kRoot = QStringLiteral("Monitoring");
const QString kStore = QStringLiteral("Store");
const QString kPoint = QStringLiteral("Point");
const QString kAlarm = QStringLiteral("Alarm");

const QStringList &rootAttributes()
{
    static const QStringList names{QStringLiteral("interval"), QStringLiteral("retentionDays"),
                                   QStringLiteral("rollupDays"), QStringLiteral("commAlarmDelay"),
                                   QStringLiteral("maxShelveHours")};
    return names;
}

const QStringList &storeAttributes()
{
    static const QStringList names{QStringLiteral("driver"), QStringLiteral("path"), QStringLiteral("host"),
                                   QStringLiteral("port"), QStringLiteral("database"), QStringLiteral("user")};
    return names;
}

const QStringList &pointAttributes()
{
    static const QStringList names{QStringLiteral("id"),          QStringLiteral("device"),
                                   QStringLiteral("devVar"),      QStringLiteral("type"),
                                   QStringLiteral("description"), QStringLiteral("unit"),
                                   QStringLiteral("record"),      QStringLiteral("deadband"),
                                   QStringLiteral("maxGap")};
    return names;
}

const QStringList &alarmAttributes()
{
    static const QStringList names{QStringLiteral("kind"),     QStringLiteral("limit"),
                                   QStringLiteral("deadband"), QStringLiteral("value"),
                                   QStringLiteral("onDelay"),  QStringLiteral("offDelay"),
                                   QStringLiteral("priority"), QStringLiteral("text")};
    return names;
}

int number(const QDomElement &e, const QString &name, int fallback, int least)
{
    bool ok = false;
    const int value = e.attribute(name).toInt(&ok);
    return ok ? qMax(value, least) : fallback;
}

double real(const QDomElement &e, const QString &name, bool *ok)
{
    if (!e.hasAttribute(name))
        return 0;
    bool read = false;
    const double value = e.attribute(name).toDouble(&read);
    *ok = *ok && read && qIsFinite(value);
    return read ? value : 0;
}

// An alarm of a kind this program knows, with numbers it can use; any
// other Alarm element is kept as it stands and not evaluated.
bool readAlarm(const QDomElement &e, AlarmDefinition *alarm)
{
    static const QStringList kinds{QStringLiteral("highhigh"), QStringLiteral("high"), QStringLiteral("low"),
                                   QStringLiteral("lowlow"), QStringLiteral("state"), QStringLiteral("error")};
    AlarmDefinition a;
    a.kind = e.attribute(QStringLiteral("kind"));
    bool ok = kinds.contains(a.kind) && (!a.isLimit() || e.hasAttribute(QStringLiteral("limit")))
        && (a.kind != QLatin1String("state") || e.hasAttribute(QStringLiteral("value")));
    a.limit = real(e, QStringLiteral("limit"), &ok);
    a.deadband = real(e, QStringLiteral("deadband"), &ok);
    a.value = real(e, QStringLiteral("value"), &ok);
    a.onDelay = number(e, QStringLiteral("onDelay"), 0, 0);
    a.offDelay = number(e, QStringLiteral("offDelay"), 0, 0);
    a.priority = qBound(1, number(e, QStringLiteral("priority"), a.priority, 1), 4);
    a.text = e.attribute(QStringLiteral("text"));
    if (!ok || a.deadband < 0)
        return false;
    *alarm = a;
    return true;
}

// The point's usable alarms, the first of each kind.
QList<AlarmDefinition> readAlarms(const QDomElement &point, QList<QDomElement> *unusable = nullptr)
{
    QList<AlarmDefinition> alarms;
    QStringList kinds;
    for (QDomElement e = point.firstChildElement(kAlarm); !e.isNull(); e = e.nextSiblingElement(kAlarm)) {
        AlarmDefinition a;
        if (readAlarm(e, &a) && !kinds.contains(a.kind)) {
            kinds << a.kind;
            alarms << a;
        } else if (unusable) {
            unusable->append(e);
        }
    }
    return alarms;
}

MonitoringPoint readPoint(const QDomElement &e)
{
    MonitoringPoint p;
    p.id = e.attribute(QStringLiteral("id"));
    p.device = e.attribute(QStringLiteral("device"));
    p.devVar = e.attribute(QStringLiteral("devVar"));
    p.type = e.attribute(QStringLiteral("type"), p.type);
    p.description = e.attribute(QStringLiteral("description"));
    p.unit = e.attribute(QStringLiteral("unit"));
    p.record = e.attribute(QStringLiteral("record"), p.record);
    bool ok = false;
    const double deadband = e.attribute(QStringLiteral("deadband")).toDouble(&ok);
    p.deadband = ok && deadband > 0 ? deadband : 0;
    p.maxGap = number(e, QStringLiteral("maxGap"), 0, 0);
    p.alarms = readAlarms(e);
    return p;
}

StoreRecord readStore(const QDomElement &e)
{
    StoreRecord s;
    if (e.isNull())
        return s;
    s.driver = e.attribute(QStringLiteral("driver"), s.driver);
    s.path = e.attribute(QStringLiteral("path"), s.path);
    s.host = e.attribute(QStringLiteral("host"));
    s.port = e.attribute(QStringLiteral("port"));
    s.database = e.attribute(QStringLiteral("database"));
    s.user = e.attribute(QStringLiteral("user"));
    return s;
}

// What the file on disk holds beyond what this program knows: the root's
// and the store's attributes, each point's by its ID and each usable
// trend's by its name, with their children.
struct Extras
{
    QDomElement root;
    QDomElement store;
    QHash<QString, QDomElement> points;
    QHash<QString, QDomElement> trends;
    QList<QDomElement> unusableTrends;
};

Extras extrasOf(const QDomDocument &old)
{
    Extras extras;
    extras.root = old.documentElement();
    for (QDomElement e = extras.root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == kStore && extras.store.isNull())
            extras.store = e;
        else if (e.tagName() == kPoint)
            extras.points.insert(e.attribute(QStringLiteral("id")), e);
    }
    TrendSetXml::readTrends(extras.root, &extras.unusableTrends);
    for (QDomElement e = extras.root.firstChildElement(TrendSetXml::trendTag()); !e.isNull();
         e = e.nextSiblingElement(TrendSetXml::trendTag())) {
        if (!extras.unusableTrends.contains(e))
            extras.trends.insert(e.attribute(QStringLiteral("name")), e);
    }
    return extras;
}

// The attributes of from that known does not name, and its element
// children; of its Alarm children only those the program cannot use (the
// usable ones are written from the record).
void keepUnknown(QDomDocument &doc, const QDomElement &from, const QStringList &known, QDomElement &to)
{
    if (from.isNull())
        return;
    XmlKeep::unknownAttributes(from, known, to);
    QList<QDomElement> unusable;
    readAlarms(from, &unusable);
    for (QDomElement child = from.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.tagName() != kAlarm || unusable.contains(child))
            to.appendChild(doc.importNode(child, true));
    }
}

QDomElement alarmElement(QDomDocument &doc, const AlarmDefinition &a, const QDomElement &old)
{
    QDomElement e = doc.createElement(kAlarm);
    e.setAttribute(QStringLiteral("kind"), a.kind);
    if (a.isLimit()) {
        e.setAttribute(QStringLiteral("limit"), QString::number(a.limit));
        e.setAttribute(QStringLiteral("deadband"), QString::number(a.deadband));
    } else if (a.kind == QLatin1String("state")) {
        e.setAttribute(QStringLiteral("value"), QString::number(a.value));
    }
    e.setAttribute(QStringLiteral("onDelay"), QString::number(a.onDelay));
    e.setAttribute(QStringLiteral("offDelay"), QString::number(a.offDelay));
    e.setAttribute(QStringLiteral("priority"), QString::number(a.priority));
    e.setAttribute(QStringLiteral("text"), a.text);
    if (!old.isNull())
        XmlKeep::unknownAttributes(old, alarmAttributes(), e);
    return e;
}

QDomElement oldAlarm(const QDomElement &point, const QString &kind)
{
    for (QDomElement e = point.firstChildElement(kAlarm); !e.isNull(); e = e.nextSiblingElement(kAlarm)) {
        if (e.attribute(QStringLiteral("kind")) == kind)
            return e;
    }
    return QDomElement();
}

QDomElement storeElement(QDomDocument &doc, const StoreRecord &s, const Extras &extras)
{
    QDomElement e = doc.createElement(kStore);
    e.setAttribute(QStringLiteral("driver"), s.driver);
    if (s.isPostgres()) {
        e.setAttribute(QStringLiteral("host"), s.host);
        e.setAttribute(QStringLiteral("port"), s.port);
        e.setAttribute(QStringLiteral("database"), s.database);
        e.setAttribute(QStringLiteral("user"), s.user);
    } else {
        e.setAttribute(QStringLiteral("path"), s.path);
    }
    keepUnknown(doc, extras.store, storeAttributes(), e);
    return e;
}

QDomElement pointElement(QDomDocument &doc, const MonitoringPoint &p, const Extras &extras)
{
    QDomElement e = doc.createElement(kPoint);
    e.setAttribute(QStringLiteral("id"), p.id);
    e.setAttribute(QStringLiteral("device"), p.device);
    e.setAttribute(QStringLiteral("devVar"), p.devVar);
    e.setAttribute(QStringLiteral("type"), p.type);
    e.setAttribute(QStringLiteral("description"), p.description);
    e.setAttribute(QStringLiteral("unit"), p.unit);
    e.setAttribute(QStringLiteral("record"), p.record);
    e.setAttribute(QStringLiteral("deadband"), QString::number(p.deadband));
    e.setAttribute(QStringLiteral("maxGap"), QString::number(p.maxGap));
    const QDomElement old = extras.points.value(p.id);
    for (const AlarmDefinition &a : p.alarms)
        e.appendChild(alarmElement(doc, a, oldAlarm(old, a.kind)));
    keepUnknown(doc, old, pointAttributes(), e);
    return e;
}

} // namespace

namespace MonitoringFile {

QString fileName()
{
    return QStringLiteral("monitoring.xml");
}

MonitoringRecord read(const QString &path, XmlRead::Status *status)
{
    MonitoringRecord record;
    QDomDocument doc;
    const XmlRead::Status parsed = XmlRead::parse(path, doc);
    if (status)
        *status = parsed;
    if (parsed != XmlRead::Status::Read)
        return record;
    const QDomElement root = doc.documentElement();
    record.interval = number(root, QStringLiteral("interval"), record.interval, 1);
    record.retentionDays = number(root, QStringLiteral("retentionDays"), record.retentionDays, 1);
    record.rollupDays = number(root, QStringLiteral("rollupDays"), record.rollupDays, 1);
    record.commAlarmDelay = number(root, QStringLiteral("commAlarmDelay"), record.commAlarmDelay, 1);
    record.maxShelveHours = number(root, QStringLiteral("maxShelveHours"), record.maxShelveHours, 1);
    record.store = readStore(root.firstChildElement(kStore));
    for (QDomElement e = root.firstChildElement(kPoint); !e.isNull(); e = e.nextSiblingElement(kPoint))
        record.points.append(readPoint(e));
    record.trends = TrendSetXml::readTrends(root);
    return record;
}

QString write(const QString &path, const MonitoringRecord &record)
{
    static const XmlSave::AttributeOrder order{
        {kRoot, rootAttributes()}, {kStore, storeAttributes()}, {kPoint, pointAttributes()},
        {kAlarm, alarmAttributes()}, {TrendSetXml::trendTag(), TrendSetXml::trendAttributes()},
        {TrendSetXml::penTag(), TrendSetXml::penAttributes()}};
    QDomDocument old;
    XmlRead::parse(path, old);
    const Extras extras = extrasOf(old);
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("monitoring"));
    QDomElement root = doc.createElement(kRoot);
    doc.appendChild(root);
    root.setAttribute(QStringLiteral("interval"), QString::number(record.interval));
    root.setAttribute(QStringLiteral("retentionDays"), QString::number(record.retentionDays));
    root.setAttribute(QStringLiteral("rollupDays"), QString::number(record.rollupDays));
    // The alarm settings only where they differ from the defaults, so that
    // a file made before alarms is saved as it was.
    const MonitoringRecord defaults;
    if (record.commAlarmDelay != defaults.commAlarmDelay || extras.root.hasAttribute(QStringLiteral("commAlarmDelay")))
        root.setAttribute(QStringLiteral("commAlarmDelay"), QString::number(record.commAlarmDelay));
    if (record.maxShelveHours != defaults.maxShelveHours || extras.root.hasAttribute(QStringLiteral("maxShelveHours")))
        root.setAttribute(QStringLiteral("maxShelveHours"), QString::number(record.maxShelveHours));
    root.appendChild(storeElement(doc, record.store, extras));
    for (const MonitoringPoint &p : record.points)
        root.appendChild(pointElement(doc, p, extras));
    for (const TrendSetRecord &t : record.trends)
        root.appendChild(TrendSetXml::trendElement(doc, t, extras.trends.value(t.name)));
    // Unknown attributes of the root, then its unknown elements and unusable
    // trends in their order.
    XmlKeep::unknownAttributes(extras.root, rootAttributes(), root);
    for (QDomElement e = extras.root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const bool usableTrend = e.tagName() == TrendSetXml::trendTag() && !extras.unusableTrends.contains(e);
        if (e.tagName() != kStore && e.tagName() != kPoint && !usableTrend)
            root.appendChild(doc.importNode(e, true));
    }
    return XmlSave::write(path, doc, order);
}

} // namespace MonitoringFile
