#include "devicelistfile.h"

#include "xmlread.h"
#include "xmlsave.h"

#include <QDomDocument>

namespace DeviceListFile {

QString fileName()
{
    return QStringLiteral("deviceList.xml");
}

DeviceList read(const QString &path)
{
    DeviceList devices;
    QDomDocument doc;
    if (!XmlRead::parse(path, doc))
        return devices;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
         e = e.nextSiblingElement()) {
        DeviceRecord d;
        d.networkAdress = e.attribute(QStringLiteral("networkAdress"));
        d.id = e.attribute(QStringLiteral("id"));
        d.description = e.attribute(QStringLiteral("description"));
        d.port = e.attribute(QStringLiteral("port"));
        devices.append(d);
    }
    return devices;
}

QString write(const QString &path, const DeviceList &devices)
{
    QDomDocument doc = XmlSave::newDocument(QStringLiteral("deviceList"));
    QDomElement root = doc.createElement(QStringLiteral("Devices"));
    doc.appendChild(root);
    for (const DeviceRecord &d : devices) {
        QDomElement e = doc.createElement(QStringLiteral("Device"));
        e.setAttribute(QStringLiteral("id"), d.id);
        e.setAttribute(QStringLiteral("networkAdress"), d.networkAdress);
        e.setAttribute(QStringLiteral("description"), d.description);
        e.setAttribute(QStringLiteral("port"), d.port);
        root.appendChild(e);
    }
    return XmlSave::write(path, doc);
}

} // namespace DeviceListFile
