#include "schemefile.h"

#include "devicelistfile.h"
#include "filename.h"
#include "menufile.h"
#include "projectfile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFileInfo>

namespace SchemeFile {

namespace {

const QString kExtension = QStringLiteral(".xml");

bool takesListValues(const QString &type)
{
    return type == QLatin1String("combo") || type == QLatin1String("list");
}

// The files a scheme's definition must never replace; config.xml lies in
// the project folder when that is the working directory.
bool isProjectFileName(const QString &id)
{
    const QStringList own{QFileInfo(ProjectFile::fileName()).completeBaseName(),
                          QFileInfo(DeviceListFile::fileName()).completeBaseName(),
                          QFileInfo(MenuFile::fileName()).completeBaseName(), QStringLiteral("config")};
    for (const QString &name : own) {
        if (id.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

EventItemRecord readItem(const XmlRead::ElementStream &stream)
{
    EventItemRecord item;
    item.name = stream.attribute(QStringLiteral("name"));
    item.type = stream.attribute(QStringLiteral("type"));
    item.property = stream.attribute(QStringLiteral("property"));
    item.device = stream.attribute(QStringLiteral("device"));
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
    return location + schemeId + kExtension;
}

bool isValidSchemeId(const QString &id, QString *reason)
{
    QString problem = FileName::problem(id, kExtension);
    if (problem.isEmpty() && isProjectFileName(id))
        problem = QCoreApplication::translate("SchemeFile", "nazwa jest zajęta przez plik projektu");
    if (reason)
        *reason = problem;
    return problem.isEmpty();
}

XmlRead::Status read(const QString &path, MenuItemRecord &scheme)
{
    QList<TeskSchemeVariable> variables;
    QList<EventRecord> events;
    bool inEvent = false;
    bool inListItem = false;
    XmlRead::ElementStream stream(path);
    while (stream.next()) {
        if (stream.depth() == 2) {
            inEvent = stream.name() == QLatin1String("event");
            if (inEvent) {
                events.append(EventRecord());
                events.last().name = stream.attribute(QStringLiteral("schemeEvent"));
            } else if (stream.name() == QLatin1String("var")) {
                TeskSchemeVariable v;
                v.device = stream.attribute(QStringLiteral("device"));
                v.devVar = stream.attribute(QStringLiteral("devVar"));
                v.qmlVar = stream.attribute(QStringLiteral("qmlVar"));
                v.type = stream.attribute(QStringLiteral("type"));
                variables.append(v);
            }
        } else if (stream.depth() == 3 && inEvent) {
            events.last().items.append(readItem(stream));
            inListItem = takesListValues(events.last().items.last().type);
        } else if (stream.depth() == 4 && inEvent && inListItem) {
            events.last().items.last().listValues.append(
                {stream.attribute(QStringLiteral("value")), stream.attribute(QStringLiteral("name"))});
        }
    }
    const XmlRead::Status status = stream.status();
    scheme.readVariables = status == XmlRead::Status::Read ? variables : QList<TeskSchemeVariable>();
    scheme.events = status == XmlRead::Status::Read ? events : QList<EventRecord>();
    return status;
}

QString write(const QString &path, const MenuItemRecord &scheme)
{
    static const XmlSave::AttributeOrder order{
        {QStringLiteral("var"),
         {QStringLiteral("device"), QStringLiteral("devVar"), QStringLiteral("qmlVar"), QStringLiteral("type")}},
        {QStringLiteral("item"),
         {QStringLiteral("type"), QStringLiteral("property"), QStringLiteral("device"), QStringLiteral("name")}},
        {QStringLiteral("subItem"), {QStringLiteral("value"), QStringLiteral("name")}}};
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
    return XmlSave::write(path, doc, order);
}

} // namespace SchemeFile
