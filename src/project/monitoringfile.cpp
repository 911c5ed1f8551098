#include "monitoringfile.h"

#include "xmlsave.h"

#include <QDomDocument>

namespace {

const QString kRoot = QStringLiteral("Monitoring");
const QString kStore = QStringLiteral("Store");
const QString kPoint = QStringLiteral("Point");

const QStringList &rootAttributes()
{
    static const QStringList names{QStringLiteral("interval"), QStringLiteral("retentionDays"),
                                   QStringLiteral("rollupDays")};
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

int number(const QDomElement &e, const QString &name, int fallback, int least)
{
    bool ok = false;
    const int value = e.attribute(name).toInt(&ok);
    return ok ? qMax(value, least) : fallback;
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
// and the store's attributes, and each point's by its ID, with its children.
struct Extras
{
    QDomElement root;
    QDomElement store;
    QHash<QString, QDomElement> points;
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
    return extras;
}

void keepUnknownAttributes(const QDomElement &from, const QStringList &known, QDomElement &to)
{
    const QDomNamedNodeMap attributes = from.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        if (!known.contains(a.name()))
            to.setAttribute(a.name(), a.value());
    }
}

// The attributes of from that known does not name, and its element children.
void keepUnknown(QDomDocument &doc, const QDomElement &from, const QStringList &known, QDomElement &to)
{
    if (from.isNull())
        return;
    keepUnknownAttributes(from, known, to);
    for (QDomElement child = from.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        to.appendChild(doc.importNode(child, true));
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
    keepUnknown(doc, extras.points.value(p.id), pointAttributes(), e);
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
    record.store = readStore(root.firstChildElement(kStore));
    for (QDomElement e = root.firstChildElement(kPoint); !e.isNull(); e = e.nextSiblingElement(kPoint))
        record.points.append(readPoint(e));
    return record;
}

QString write(const QString &path, const MonitoringRecord &record)
{
    static const XmlSave::AttributeOrder order{
        {kRoot, rootAttributes()}, {kStore, storeAttributes()}, {kPoint, pointAttributes()}};
    QDomDocument old;
    XmlRead::parse(path, old);
    const Extras extras = extrasOf(old);
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("monitoring"));
    QDomElement root = doc.createElement(kRoot);
    doc.appendChild(root);
    root.setAttribute(QStringLiteral("interval"), QString::number(record.interval));
    root.setAttribute(QStringLiteral("retentionDays"), QString::number(record.retentionDays));
    root.setAttribute(QStringLiteral("rollupDays"), QString::number(record.rollupDays));
    root.appendChild(storeElement(doc, record.store, extras));
    for (const MonitoringPoint &p : record.points)
        root.appendChild(pointElement(doc, p, extras));
    // Unknown attributes of the root, then its unknown elements in their order.
    keepUnknownAttributes(extras.root, rootAttributes(), root);
    for (QDomElement e = extras.root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() != kStore && e.tagName() != kPoint)
            root.appendChild(doc.importNode(e, true));
    }
    return XmlSave::write(path, doc, order);
}

} // namespace MonitoringFile
