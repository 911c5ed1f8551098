#pragma once

#include <QString>

// Application settings kept for the whole run and stored in config.xml.
struct AppSettings
{
    QString workspaceDir;    // folder that holds the projects
    QString projectName;     // last (later: current) project
    QString projectLocation; // its folder, ending with a separator
    bool showData = true;    // log filter switches
    bool showErrors = true;
    bool showInfo = true;
    bool showWarnings = true;
    bool alarmSound = true;  // a tone while an urgent alarm waits for acknowledgement
    // A user logged in is logged out after this long without a key or a click.
    static constexpr int kLeastIdleMinutes = 1;
    static constexpr int kMostIdleMinutes = 24 * 60;
    int idleLogoutMinutes = 15;
    // This station records the site when no other engine holds its store.
    bool mayRecord = true;
};
