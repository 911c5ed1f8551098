#pragma once

#include "menuitemrecord.h"

// A scheme's definition file: its read variables, then its events.
namespace SchemeFile {

// The file of the scheme with this ID in the project folder location (which
// ends with a separator).
QString path(const QString &location, const QString &schemeId);

// A scheme ID names a file in the project folder, so it must be a plain
// file name: not empty, no path separators, no "..", nothing a file name
// cannot carry on any system the project may travel to.
bool isValidSchemeId(const QString &id);

QList<TeskSchemeVariable> readVariables(const QString &path);
QList<EventRecord> readEvents(const QString &path);

// Returns an empty string on success, else what went wrong.
QString write(const QString &path, const MenuItemRecord &scheme);

} // namespace SchemeFile
