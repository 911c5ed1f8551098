#pragma once

#include "eventrecord.h"
#include "teskschemevariable.h"

#include <QList>
#include <QString>

// One group or scheme of a project's menu tree.
struct MenuItemRecord
{
    QString parent = QStringLiteral("0"); // enclosing group's ID; "0" at the top
    QString kind;                         // "Group" or "Item"
    QString id;
    QString text;
    QString qmlFile;                       // schemes: relative to the project folder
    QList<TeskSchemeVariable> readVariables; // schemes only
    QList<EventRecord> events;               // schemes only
    int interval = 0;                        // schemes: refresh period in seconds

    bool isGroup() const { return kind == QLatin1String("Group"); }

    bool operator==(const MenuItemRecord &o) const
    {
        return parent == o.parent && kind == o.kind && id == o.id && text == o.text && qmlFile == o.qmlFile
            && readVariables == o.readVariables && events == o.events && interval == o.interval;
    }
};
