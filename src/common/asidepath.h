#pragma once

#include <QString>

// Where a file that cannot be read is kept aside, so that nothing is lost
// when a new one takes its place.
namespace AsidePath {

// path + ".unreadable", or ".unreadable-2", -3, ... : a name beside path
// that no file (and no link, dangling or not) has yet.
QString unreadable(const QString &path);

} // namespace AsidePath
