#include "userlist.h"

namespace UserList {

int indexOf(const QList<UserRecord> &users, const QString &name)
{
    for (int i = 0; i < users.size(); ++i) {
        if (users.at(i).name == name)
            return i;
    }
    return -1;
}

UserRecord::Problem problem(const QList<UserRecord> &users, int i)
{
    const UserRecord::Problem own = users.at(i).problem();
    if (own == UserRecord::Problem::None && indexOf(users, users.at(i).name) != i)
        return UserRecord::Problem::Duplicate;
    return own;
}

namespace {

bool isUsableAdministrator(const QList<UserRecord> &users, int i)
{
    return problem(users, i) == UserRecord::Problem::None && users.at(i).knownRole() == UserRole::Administrator;
}

} // namespace

int usableAdministrators(const QList<UserRecord> &users)
{
    int count = 0;
    for (int i = 0; i < users.size(); ++i) {
        if (isUsableAdministrator(users, i))
            ++count;
    }
    return count;
}

bool isLastAdministrator(const QList<UserRecord> &users, int i)
{
    return isUsableAdministrator(users, i) && usableAdministrators(users) == 1;
}

} // namespace UserList
