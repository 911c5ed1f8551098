#pragma once

#include "eventrecord.h"
#include "teskschemevariable.h"

#include <QList>
#include <QString>

// One group or scheme of a project's menu tree.
struct MenuItemRecord
{
    QString parent = QStringLiteral("0"); // enclosing group's ID; "0" at the top
    QString kind;                         // groupKind() or schemeKind()
    QString id;
    QString text;
    QString qmlFile;                       // schemes: relative to the project folder
    QList<TeskSchemeVariable> readVariables; // schemes only
    QList<EventRecord> events;               // schemes only
    int interval = 0;                        // schemes: refresh period in seconds

    // The kinds are named after the elements of the menu file.
    static QString groupKind() { return QStringLiteral("Group"); }
    static QString schemeKind() { return QStringLiteral("Item"); }

    bool isGroup() const { return kind == groupKind(); }
    bool isScheme() const { return kind == schemeKind(); }

    bool operator==(const MenuItemRecord &o) const
    {
        return parent == o.parent && kind == o.kind && id == o.id && text == o.text && qmlFile == o.qmlFile
            && readVariables == o.readVariables && events == o.events && interval == o.interval;
    }
};
