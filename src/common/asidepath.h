#pragma once

#include <QString>

// Where a file that cannot be read is kept aside, so that nothing is lost
// when a new one takes its place.
namespace AsidePath {

// path + ".unreadable", or ".unreadable-2" up to "-999" when that is taken:
// a name beside path that no file (and no link, dangling or not) has yet.
// Empty when every one is taken.
QString unreadable(const QString &path);

// The longest ending unreadable() adds to a name.
QString longestSuffix();

} // namespace AsidePath
