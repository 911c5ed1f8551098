#pragma once

#include <QString>

// One variable of a controller as its description gives it, with the last
// value shown.
struct DeviceParameter
{
    QString name; // full dotted name: group.variable
    QString type; // the controller's type word
    QString value;
    bool modify = false; // false too when the description does not say
    bool hasMax = false;
    bool hasMin = false;
    int max = 0;
    int min = 0;

    QString group() const { return name.section(QLatin1Char('.'), 0, 0); }
};
