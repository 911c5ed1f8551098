#pragma once

#include <QString>

// The copy kept of a project file that could not be read, made before a save
// replaces the file: beside it, as "<file>.unreadable", or "-2" up to "-999"
// after that when the name is taken.
namespace UnreadableCopy {

// The longest ending a copy adds to the name of the file, for which a scheme
// ID leaves room.
QString longestSuffix();

// Copies the file aside as a new ordinary file of the user's default
// permissions. A link, or anything but a regular file, is neither followed
// nor copied: the save's writer refuses to replace it as well. Returns an
// empty string on success (or when there is nothing to copy), else the file
// and what went wrong.
QString keep(const QString &path);

} // namespace UnreadableCopy
