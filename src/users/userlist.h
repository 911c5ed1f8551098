#pragma once

#include "userrecord.h"

#include <QList>

// The users of a project, in the order of users.xml. A name logs in as the
// first entry that has it; a later one of the same name is never used.
namespace UserList {

// The entry name logs in as; -1 when none has it.
int indexOf(const QList<UserRecord> &users, const QString &name);

// Why users[i] cannot be logged in with, if it cannot.
UserRecord::Problem problem(const QList<UserRecord> &users, int i);

// The entries with the role administrator that can be logged in with.
int usableAdministrators(const QList<UserRecord> &users);

// Whether users[i] is the one administrator who can log in: without it
// nobody could manage the users.
bool isLastAdministrator(const QList<UserRecord> &users, int i);

} // namespace UserList
