#include "schemefile.h"

#include "devicelistfile.h"
#include "filename.h"
#include "menufile.h"
#include "projectfile.h"
#include "unreadablecopy.h"
#include "xmlsave.h"

#include <QCoreApplication>
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

void writeEvent(XmlSave::Builder &xml, const EventRecord &event)
{
    xml.start(QStringLiteral("event"));
    xml.attribute(QStringLiteral("schemeEvent"), event.name);
    for (const EventItemRecord &item : event.items) {
        xml.start(QStringLiteral("item"));
        xml.attribute(QStringLiteral("type"), item.type);
        xml.attribute(QStringLiteral("property"), item.property);
        xml.attribute(QStringLiteral("device"), item.device);
        xml.attribute(QStringLiteral("name"), item.name);
        for (const ListValueRecord &v : item.listValues) {
            xml.start(QStringLiteral("subItem"));
            xml.attribute(QStringLiteral("value"), v.value);
            xml.attribute(QStringLiteral("name"), v.name);
            xml.end();
        }
        xml.end();
    }
    xml.end();
}

} // namespace

QString path(const QString &location, const QString &schemeId)
{
    return location + schemeId + kExtension;
}

bool isValidSchemeId(const QString &id, QString *reason)
{
    // Room is left for the name of the copy kept should the file turn out unreadable.
    QString problem = FileName::problem(id, kExtension + UnreadableCopy::longestSuffix());
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
    // Built without a document tree: a project holds many of these files.
    XmlSave::Builder xml{QString()};
    xml.start(QStringLiteral("VariablesMap"));
    for (const TeskSchemeVariable &v : scheme.readVariables) {
        xml.start(QStringLiteral("var"));
        xml.attribute(QStringLiteral("device"), v.device);
        xml.attribute(QStringLiteral("devVar"), v.devVar);
        xml.attribute(QStringLiteral("qmlVar"), v.qmlVar);
        xml.attribute(QStringLiteral("type"), v.type);
        xml.end();
    }
    for (const EventRecord &event : scheme.events)
        writeEvent(xml, event);
    xml.end();
    return XmlSave::write(path, xml.bytes());
}

} // namespace SchemeFile
