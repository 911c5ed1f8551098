#pragma once

#include "userrecord.h"
#include "xmlread.h"

#include <QList>

// Reading and writing a project's users.xml. The file is optional: a
// project without it has no users, and anyone at the station may do all.
namespace UsersFile {

QString fileName(); // "users.xml"

// The users the file holds, in its order, every User element included (one
// this program cannot use as well); none when the file is missing or
// unreadable (status tells). A document whose root is not Users is
// unreadable: taken for a file without users it would open the station to
// anyone.
QList<UserRecord> read(const QString &path, XmlRead::Status *status = nullptr);

// Elements and attributes this program does not know, in the file as it is
// on disk, are kept, each user's with the user of its name. A file there
// that cannot be read is copied aside first, and left in place when that
// fails. Returns an empty string on success, else the file and what went
// wrong.
QString write(const QString &path, const QList<UserRecord> &users);

} // namespace UsersFile
