#pragma once

#include "listvaluerecord.h"

#include <QList>
#include <QString>

// One item of a scheme event: a controller variable to set, or (type
// "scheme") the scheme to switch to.
struct EventItemRecord
{
    QString type;     // int, real, logic, temp, percent, combo, list, scheme
    QString property; // controller variable, or the target scheme's ID
    QString device;   // controller ID; "-" for "scheme"
    QString name;     // shown to the user; "-" for "scheme"
    QList<ListValueRecord> listValues; // "combo" and "list" only

    bool operator==(const EventItemRecord &o) const
    {
        return type == o.type && property == o.property && device == o.device && name == o.name
            && listValues == o.listValues;
    }
};
