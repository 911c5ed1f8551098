#include "alarmcommand.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<AlarmCommand::Action, const char *>, 5> kNames{{
    {AlarmCommand::Action::Acknowledge, "acknowledge"},
    {AlarmCommand::Action::Shelve, "shelve"},
    {AlarmCommand::Action::Unshelve, "unshelve"},
    {AlarmCommand::Action::TakeOutOfService, "out-of-service"},
    {AlarmCommand::Action::PutInService, "in-service"},
}};

} // namespace

QString AlarmCommand::actionName(Action action)
{
    for (const auto &n : kNames) {
        if (n.first == action)
            return QString::fromLatin1(n.second);
    }
    return QString();
}

bool AlarmCommand::actionFromName(const QString &name, Action *action)
{
    for (const auto &n : kNames) {
        if (name == QLatin1String(n.second)) {
            *action = n.first;
            return true;
        }
    }
    return false;
}
