#pragma once

#include <QList>
#include <QString>

// One controller of a project: the ID schemes refer to it by, and where it is
// reached. All fields are text, as stored in deviceList.xml.
struct DeviceRecord
{
    QString id;
    QString networkAdress;
    QString port;
    QString description;

    bool operator==(const DeviceRecord &o) const
    {
        return id == o.id && networkAdress == o.networkAdress && port == o.port
            && description == o.description;
    }
    bool operator!=(const DeviceRecord &o) const { return !(*this == o); }
};

using DeviceList = QList<DeviceRecord>;

// The address of the controller with that ID; where an ID is listed twice
// the later entry wins. Empty when none has it.
inline QString addressOf(const DeviceList &devices, const QString &deviceId)
{
    QString address;
    for (const DeviceRecord &d : devices) {
        if (d.id == deviceId)
            address = d.networkAdress;
    }
    return address;
}
