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
    // Files that exist but could not be read when the project was opened;
    // each is copied aside before a save first replaces it.
    QStringList unreadable;

    // Replaces everything with what the folder holds: the device list, the
    // menu tree with the scheme definitions, and the project file, in that
    // order. Without a readable project file the name is fallbackName.
    // Returns the tree shape of the menu.
    MenuTree load(const QString &folderLocation, const QString &fallbackName = QString());

    // Writes the project file, the device list, the menu file and every
    // scheme's definition, each only when its bytes change. Returns one line
    // per file that failed.
    QStringList save(const QString &versionLabel);
};
