#pragma once

#include <QString>

class QFile;

// Opening a file for reading only when it is a regular file: a named pipe in
// its place would block the opener until something writes into it, and a
// device might never end or change as it is read.
namespace RegularFile {

enum class Links { Follow, Refuse };
enum class Opened { Yes, Missing, Refused };

// Opens file (its name already set) read-only. Missing when nothing is there
// (a dangling link included); Refused when the name is there but no regular
// file can be read under it: no permission, a pipe, a device, a folder, or a
// link that links refuses. reason gets why not, as a text to show.
Opened openForReading(QFile &file, QString *reason = nullptr, Links links = Links::Follow);

} // namespace RegularFile
