#include "projectfile.h"

#include "xmlread.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace ProjectFile {

namespace {

const QString kInfo = QStringLiteral("Info");
const QString kSip = QStringLiteral("SIP");

void setIfPresent(QDomElement &e, const QString &name, const QString &value)
{
    if (e.hasAttribute(name))
        e.setAttribute(name, value);
}

void setSip(QDomElement &sip, const ProjectInfo &info)
{
    sip.setAttribute(QStringLiteral("enabled"), info.sipEnabled ? QStringLiteral("1") : QStringLiteral("0"));
    sip.setAttribute(QStringLiteral("serverAddres"), info.sipServer);
    sip.setAttribute(QStringLiteral("number"), info.sipNumber);
    sip.setAttribute(QStringLiteral("password"), info.sipPassword);
    sip.setAttribute(QStringLiteral("userName"), info.sipUserName);
}

QDomDocument newProjectDocument(const ProjectInfo &info)
{
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("project"));
    QDomElement root = doc.createElement(QStringLiteral("Project"));
    doc.appendChild(root);
    QDomElement e = doc.createElement(kInfo);
    e.setAttribute(QStringLiteral("revision"), info.revision);
    e.setAttribute(QStringLiteral("teskVersion"), info.teskVersion);
    e.setAttribute(QStringLiteral("author"), info.author);
    e.setAttribute(QStringLiteral("name"), info.name);
    root.appendChild(e);
    QDomElement sip = doc.createElement(kSip);
    setSip(sip, info);
    root.appendChild(sip);
    return doc;
}

QString versionOf(const QString &label)
{
    return label.section(QLatin1Char(' '), 1, 1);
}

QString nextRevision(const QString &revision)
{
    return QString::number(revision.toLongLong(nullptr, 10) + 1);
}

} // namespace

QString fileName()
{
    return QStringLiteral("project.xml");
}

bool read(const QString &path, ProjectInfo &info)
{
    QDomDocument doc;
    if (!XmlRead::parse(path, doc))
        return false;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == kInfo) {
            info.name = e.attribute(QStringLiteral("name"));
            info.revision = e.attribute(QStringLiteral("revision"));
            info.teskVersion = e.attribute(QStringLiteral("teskVersion"));
            info.author = e.attribute(QStringLiteral("author"));
        } else if (e.tagName() == kSip) {
            info.sipEnabled = e.attribute(QStringLiteral("enabled")).toInt(nullptr, 10) != 0;
            info.sipServer = e.attribute(QStringLiteral("serverAddres"));
            info.sipNumber = e.attribute(QStringLiteral("number"));
            info.sipPassword = e.attribute(QStringLiteral("password"));
            info.sipUserName = e.attribute(QStringLiteral("userName"));
        }
    }
    return true;
}

QString create(const QString &path, const QString &name, const QString &author, const QString &versionLabel)
{
    ProjectInfo info;
    info.name = name;
    info.author = author;
    info.revision = QStringLiteral("0");
    info.teskVersion = versionLabel;
    return XmlSave::write(path, newProjectDocument(info));
}

QString save(const QString &path, const ProjectInfo &info, const QString &versionLabel)
{
    ProjectInfo saved = info;
    saved.revision = nextRevision(info.revision);
    saved.teskVersion = versionOf(versionLabel);

    QDomDocument doc;
    if (!XmlRead::parse(path, doc))
        return XmlSave::write(path, newProjectDocument(saved));

    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == kInfo) {
            setIfPresent(e, QStringLiteral("name"), saved.name);
            setIfPresent(e, QStringLiteral("author"), saved.author);
            setIfPresent(e, QStringLiteral("revision"), saved.revision);
            setIfPresent(e, QStringLiteral("teskVersion"), saved.teskVersion);
        } else if (e.tagName() == kSip) {
            setSip(e, saved);
        }
    }
    return XmlSave::write(path, doc);
}

} // namespace ProjectFile
