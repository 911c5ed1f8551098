#pragma once

#include "userrole.h"

#include <QString>

// One user of the station as users.xml holds it. Role and password are
// kept as the file has them, so that an entry this program cannot use
// (an unknown role, a damaged hash) survives a save unchanged.
struct UserRecord
{
    QString name; // the login
    QString fullName;
    QString role; // UserRoles::name() of the role
    QString password; // PasswordHash's stored form, never the password

    // Why the entry cannot be logged in with, if it cannot. Duplicate: an
    // earlier entry has the name (only the list tells, see UserList).
    enum class Problem { None, NoName, UnknownRole, BadPassword, Duplicate };
    Problem problem() const;

    // The role, for an entry whose role is known; Viewer otherwise.
    UserRole knownRole() const;

    bool operator==(const UserRecord &o) const
    {
        return name == o.name && fullName == o.fullName && role == o.role && password == o.password;
    }
    bool operator!=(const UserRecord &o) const { return !(*this == o); }
};
