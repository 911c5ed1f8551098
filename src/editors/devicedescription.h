#pragma once

#include "deviceparameter.h"

#include <QList>
#include <QStringList>

// A controller's description reply read into its groups and variables.
struct DeviceDescription
{
    QStringList groups;             // in order of first appearance
    QList<DeviceParameter> parameters;

    // entries: the reply prepared for the device editor (key=value parts).
    // Consecutive entries of one variable make one parameter; an entry
    // without "." names no group.
    static DeviceDescription parse(const QStringList &entries);
};
