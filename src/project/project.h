#pragma once

#include "devicerecord.h"
#include "menutree.h"
#include "projectinfo.h"

#include <QStringList>

// The open project: its folder and everything its files hold.
struct Project
{
    QString location; // the folder, ending with a separator
    ProjectInfo info;
    DeviceList devices;
    QList<MenuItemRecord> menu;

    // Reads the device list, the menu tree with the scheme definitions, and
    // the project file, in that order. Information the project file does not
    // give keeps its value. Returns the tree shape of the menu.
    MenuTree load(const QString &folderLocation);

    // Writes the project file, the device list, the menu file and every
    // scheme's definition. Returns one line per file that failed.
    QStringList save(const QString &versionLabel) const;
};
