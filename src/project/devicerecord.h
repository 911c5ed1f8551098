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

// The controller with that ID; where an ID is listed twice the later entry
// wins. Null when none has it.
inline const DeviceRecord *deviceWithId(const DeviceList &devices, const QString &deviceId)
{
    const DeviceRecord *found = nullptr;
    for (const DeviceRecord &d : devices) {
        if (d.id == deviceId)
            found = &d;
    }
    return found;
}

// The address of the controller with that ID; empty when none has it.
inline QString addressOf(const DeviceList &devices, const QString &deviceId)
{
    const DeviceRecord *d = deviceWithId(devices, deviceId);
    return d ? d->networkAdress : QString();
}
