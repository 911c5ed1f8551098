#include "userrecord.h"

#include "passwordhash.h"

UserRecord::Problem UserRecord::problem() const
{
    UserRole r;
    if (name.isEmpty())
        return Problem::NoName;
    if (!UserRoles::fromName(role, &r))
        return Problem::UnknownRole;
    if (!PasswordHash::isUsable(password))
        return Problem::BadPassword;
    return Problem::None;
}

UserRole UserRecord::knownRole() const
{
    UserRole r = UserRole::Viewer;
    UserRoles::fromName(role, &r);
    return r;
}
