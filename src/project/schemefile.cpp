#include "schemefile.h"

#include "xmlread.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace SchemeFile {

namespace {

QDomElement rootOf(const QString &path, QDomDocument &doc)
{
    return XmlRead::parse(path, doc) ? doc.documentElement() : QDomElement();
}

bool takesListValues(const QString &type)
{
    return type == QLatin1String("combo") || type == QLatin1String("list");
}

EventItemRecord readItem(const QDomElement &e)
{
    EventItemRecord item;
    item.name = e.attribute(QStringLiteral("name"));
    item.type = e.attribute(QStringLiteral("type"));
    item.property = e.attribute(QStringLiteral("property"));
    item.device = e.attribute(QStringLiteral("device"));
    if (!takesListValues(item.type))
        return item;
    for (QDomElement v = e.firstChildElement(); !v.isNull(); v = v.nextSiblingElement())
        item.listValues.append({v.attribute(QStringLiteral("value")), v.attribute(QStringLiteral("name"))});
    return item;
}

QDomElement eventElement(QDomDocument &doc, const EventRecord &event)
{
    QDomElement e = doc.createElement(QStringLiteral("event"));
    e.setAttribute(QStringLiteral("schemeEvent"), event.name);
    for (const EventItemRecord &item : event.items) {
        QDomElement i = doc.createElement(QStringLiteral("item"));
        i.setAttribute(QStringLiteral("type"), item.type);
        i.setAttribute(QStringLiteral("property"), item.property);
        i.setAttribute(QStringLiteral("device"), item.device);
        i.setAttribute(QStringLiteral("name"), item.name);
        for (const ListValueRecord &v : item.listValues) {
            QDomElement s = doc.createElement(QStringLiteral("subItem"));
            s.setAttribute(QStringLiteral("value"), v.value);
            s.setAttribute(QStringLiteral("name"), v.name);
            i.appendChild(s);
        }
        e.appendChild(i);
    }
    return e;
}

} // namespace

QString path(const QString &location, const QString &schemeId)
{
    return location + schemeId + QStringLiteral(".xml");
}

bool isValidSchemeId(const QString &id)
{
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    if (id.trimmed().isEmpty() || id.contains(QLatin1String("..")) || id.endsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : id) {
        if (c.unicode() < 0x20 || kForbidden.contains(c))
            return false;
    }
    return true;
}

QList<TeskSchemeVariable> readVariables(const QString &path)
{
    QList<TeskSchemeVariable> variables;
    QDomDocument doc;
    const QDomElement root = rootOf(path, doc);
    for (QDomElement e = root.firstChildElement(QStringLiteral("var")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("var"))) {
        TeskSchemeVariable v;
        v.device = e.attribute(QStringLiteral("device"));
        v.devVar = e.attribute(QStringLiteral("devVar"));
        v.qmlVar = e.attribute(QStringLiteral("qmlVar"));
        v.type = e.attribute(QStringLiteral("type"));
        variables.append(v);
    }
    return variables;
}

QList<EventRecord> readEvents(const QString &path)
{
    QList<EventRecord> events;
    QDomDocument doc;
    const QDomElement root = rootOf(path, doc);
    for (QDomElement e = root.firstChildElement(QStringLiteral("event")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("event"))) {
        EventRecord event;
        event.name = e.attribute(QStringLiteral("schemeEvent"));
        for (QDomElement i = e.firstChildElement(); !i.isNull(); i = i.nextSiblingElement())
            event.items.append(readItem(i));
        events.append(event);
    }
    return events;
}

QString write(const QString &path, const MenuItemRecord &scheme)
{
    QDomDocument doc = XmlSave::newDocument(QString());
    QDomElement root = doc.createElement(QStringLiteral("VariablesMap"));
    doc.appendChild(root);
    for (const TeskSchemeVariable &v : scheme.readVariables) {
        QDomElement e = doc.createElement(QStringLiteral("var"));
        e.setAttribute(QStringLiteral("device"), v.device);
        e.setAttribute(QStringLiteral("devVar"), v.devVar);
        e.setAttribute(QStringLiteral("qmlVar"), v.qmlVar);
        e.setAttribute(QStringLiteral("type"), v.type);
        root.appendChild(e);
    }
    for (const EventRecord &event : scheme.events)
        root.appendChild(eventElement(doc, event));
    return XmlSave::write(path, doc);
}

} // namespace SchemeFile
