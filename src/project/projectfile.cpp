#include "projectfile.h"

#include <limits>

#include "xmlsave.h"

#include <QDomDocument>

namespace ProjectFile {

namespace {

const QString kInfo = QStringLiteral("Info");
const QString kSip = QStringLiteral("SIP");

const XmlSave::AttributeOrder &attributeOrder()
{
    static const XmlSave::AttributeOrder order{
        {kInfo,
         {QStringLiteral("revision"), QStringLiteral("teskVersion"), QStringLiteral("author"), QStringLiteral("name")}},
        {kSip,
         {QStringLiteral("enabled"), QStringLiteral("serverAddres"), QStringLiteral("number"),
          QStringLiteral("password"), QStringLiteral("userName")}}};
    return order;
}

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
    const qlonglong number = revision.toLongLong(nullptr, 10);
    // A revision at the end of the range stays there rather than overflow.
    return QString::number(number < std::numeric_limits<qlonglong>::max() ? number + 1 : number);
}

} // namespace

QString fileName()
{
    return QStringLiteral("project.xml");
}

XmlRead::Status read(const QString &path, ProjectInfo &info)
{
    ProjectInfo read;
    XmlRead::ElementStream stream(path);
    while (stream.next()) {
        if (stream.depth() != 2)
            continue;
        if (stream.name() == kInfo) {
            read.name = stream.attribute(QStringLiteral("name"));
            read.revision = stream.attribute(QStringLiteral("revision"));
            read.teskVersion = stream.attribute(QStringLiteral("teskVersion"));
            read.author = stream.attribute(QStringLiteral("author"));
        } else if (stream.name() == kSip) {
            read.sipEnabled = stream.attribute(QStringLiteral("enabled")).toInt(nullptr, 10) != 0;
            read.sipServer = stream.attribute(QStringLiteral("serverAddres"));
            read.sipNumber = stream.attribute(QStringLiteral("number"));
            read.sipPassword = stream.attribute(QStringLiteral("password"));
            read.sipUserName = stream.attribute(QStringLiteral("userName"));
        }
    }
    if (stream.status() == XmlRead::Status::Read)
        info = read;
    return stream.status();
}

QString create(const QString &path, const QString &name, const QString &author, const QString &versionLabel)
{
    ProjectInfo info;
    info.name = name;
    info.author = author;
    info.revision = QStringLiteral("0");
    info.teskVersion = versionLabel;
    return XmlSave::write(path, newProjectDocument(info), attributeOrder());
}

QString save(const QString &path, const ProjectInfo &info, const QString &versionLabel)
{
    ProjectInfo saved = info;
    saved.revision = nextRevision(info.revision);
    saved.teskVersion = versionOf(versionLabel);

    QDomDocument doc;
    if (XmlRead::parse(path, doc) != XmlRead::Status::Read)
        return XmlSave::write(path, newProjectDocument(saved), attributeOrder());

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
    return XmlSave::write(path, doc, attributeOrder());
}

} // namespace ProjectFile
