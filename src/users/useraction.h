#pragma once

#include "userrole.h"

// What the program lets a user do only with a role above viewer. Watching
// schemes, alarms, trends and the log needs none.
enum class UserAction {
    WriteValue, // from a scene or an event
    AcknowledgeAlarm,
    ShelveAlarm,
    Comment,
    EditDeviceList,
    DeviceEditorWrite,
    EditMenuTree,
    EditScheme,
    EditQml,
    EditMonitoring,
    SaveProject,
    SetAlarmOutOfService, // and back in
    ManageUsers,
};

namespace UserActions {

UserRole required(UserAction action);

// The action as the interface names it, to start a sentence with.
QString label(UserAction action);

// Why a user without the role needed is refused, naming that role.
QString refusal(UserAction action);

} // namespace UserActions
