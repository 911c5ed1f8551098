#include "devicelistfile.h"

#include "xmlsave.h"

#include <QDomDocument>

namespace DeviceListFile {

QString fileName()
{
    return QStringLiteral("deviceList.xml");
}

DeviceList read(const QString &path, XmlRead::Status *status)
{
    DeviceList devices;
    XmlRead::ElementStream stream(path);
    while (stream.next()) {
        if (stream.depth() != 2)
            continue;
        DeviceRecord d;
        d.networkAdress = stream.attribute(QStringLiteral("networkAdress"));
        d.id = stream.attribute(QStringLiteral("id"));
        d.description = stream.attribute(QStringLiteral("description"));
        d.port = stream.attribute(QStringLiteral("port"));
        devices.append(d);
    }
    if (status)
        *status = stream.status();
    return stream.status() == XmlRead::Status::Read ? devices : DeviceList();
}

QString write(const QString &path, const DeviceList &devices)
{
    static const XmlSave::AttributeOrder order{
        {QStringLiteral("Device"),
         {QStringLiteral("id"), QStringLiteral("networkAdress"), QStringLiteral("description"), QStringLiteral("port")}}};
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
    return XmlSave::write(path, doc, order);
}

} // namespace DeviceListFile
