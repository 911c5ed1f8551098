#pragma once

#include "devicerecord.h"
#include "menutree.h"
#include "monitoringrecord.h"
#include "projectinfo.h"

#include <QStringList>

// The open project: its folder and everything its files hold.
struct Project
{
    QString location; // the folder, ending with a separator
    ProjectInfo info;
    DeviceList devices;
    QList<MenuItemRecord> menu;
    // A project without monitoring.xml is not monitored, and none is written.
    bool monitored = false;
    MonitoringRecord monitoring;
    // Files that exist but could not be read when the project was opened;
    // each is copied aside before a save first replaces it.
    QStringList unreadable;

    // Replaces everything with what the folder holds: the device list, the
    // menu tree with the scheme definitions, the project file and the
    // monitoring file, in that order. Without a readable project file the name is fallbackName.
    // Returns the tree shape of the menu.
    MenuTree load(const QString &folderLocation, const QString &fallbackName = QString());

    // Writes the project file, the device list, the menu file, every
    // scheme's definition and, when monitored, the monitoring file, each
    // only when its bytes change. Returns one line
    // per file that failed.
    QStringList save(const QString &versionLabel);
};
