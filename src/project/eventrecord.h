#pragma once

#include "eventitemrecord.h"

#include <QList>
#include <QString>

// A named event of a scheme, fired by a click in its scene.
struct EventRecord
{
    QString name;
    QList<EventItemRecord> items;

    bool operator==(const EventRecord &o) const { return name == o.name && items == o.items; }
};
