#include "userrole.h"

#include <QCoreApplication>

namespace UserRoles {

QList<UserRole> all()
{
    return {UserRole::Viewer, UserRole::Operator, UserRole::Engineer, UserRole::Administrator};
}

QString name(UserRole role)
{
    switch (role) {
    case UserRole::Viewer:
        return QStringLiteral("viewer");
    case UserRole::Operator:
        return QStringLiteral("operator");
    case UserRole::Engineer:
        return QStringLiteral("engineer");
    case UserRole::Administrator:
        return QStringLiteral("administrator");
    }
    return QString();
}

bool fromName(const QString &text, UserRole *role)
{
    for (const UserRole r : all()) {
        if (name(r) == text) {
            *role = r;
            return true;
        }
    }
    return false;
}

QString label(UserRole role)
{
    switch (role) {
    case UserRole::Viewer:
        return QCoreApplication::translate("UserRoles", "obserwator");
    case UserRole::Operator:
        return QCoreApplication::translate("UserRoles", "operator");
    case UserRole::Engineer:
        return QCoreApplication::translate("UserRoles", "inżynier");
    case UserRole::Administrator:
        return QCoreApplication::translate("UserRoles", "administrator");
    }
    return QString();
}

bool includes(UserRole role, UserRole needed)
{
    return int(role) >= int(needed);
}

} // namespace UserRoles
