#pragma once

#include "menuitemrecord.h"
#include "xmlread.h"

// A scheme's definition file: its read variables, then its events.
namespace SchemeFile {

// The file of the scheme with this ID in the project folder location (which
// ends with a separator).
QString path(const QString &location, const QString &schemeId);

// A scheme ID names a file in the project folder, so it must be a plain
// file name on every system a project may travel to, and must not name one
// of the project's own files (project, deviceList, menuList, config, in any
// letter case). reason, when given, receives why an ID is refused, as a
// text to show.
bool isValidSchemeId(const QString &id, QString *reason = nullptr);

// Fills the scheme's read variables and events from the file; both stay
// empty when it is missing or does not parse.
XmlRead::Status read(const QString &path, MenuItemRecord &scheme);

// Returns an empty string on success, else the file and what went wrong.
QString write(const QString &path, const MenuItemRecord &scheme);

} // namespace SchemeFile
