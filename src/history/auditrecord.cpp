#include "auditrecord.h"

#include <QStringList>

namespace {

const QStringList &actionNames()
{
    static const QStringList names{
        QStringLiteral("write"),  QStringLiteral("write-refused"), QStringLiteral("write-changed"),
        QStringLiteral("login"),  QStringLiteral("logout"),        QStringLiteral("login-failed"),
        QStringLiteral("locked"), QStringLiteral("save"),          QStringLiteral("users-changed")};
    return names;
}

} // namespace

QString AuditRecord::actionName(Action action)
{
    return actionNames().at(static_cast<int>(action));
}

bool AuditRecord::actionFromName(const QString &name, Action *action)
{
    const int i = actionNames().indexOf(name);
    if (i < 0)
        return false;
    *action = static_cast<Action>(i);
    return true;
}
