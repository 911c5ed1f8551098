#include "systemuser.h"

#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

namespace SystemUser {

// The account database first: $USER can be unset (a service) or stale (su).
QString name()
{
    if (const passwd *entry = getpwuid(getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace SystemUser
