#pragma once

#include <QList>
#include <QString>

// What a user of the station may do. Each role includes everything the
// ones before it may: an engineer may do all an operator may.
enum class UserRole { Viewer, Operator, Engineer, Administrator };

namespace UserRoles {

QList<UserRole> all(); // lowest first

// The word users.xml holds ("viewer", "operator", ...).
QString name(UserRole role);
// False for a word that names no role; role is then left alone.
bool fromName(const QString &name, UserRole *role);

// The role as the interface names it.
QString label(UserRole role);

// Whether a user of role may do what needs the role needed.
bool includes(UserRole role, UserRole needed);

} // namespace UserRoles
