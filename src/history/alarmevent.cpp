#include "alarmevent.h"

#include <QStringList>

namespace {

const QStringList &eventNames()
{
    static const QStringList names{QStringLiteral("raised"),       QStringLiteral("cleared"),
                                   QStringLiteral("acknowledged"), QStringLiteral("shelved"),
                                   QStringLiteral("unshelved"),    QStringLiteral("outofservice"),
                                   QStringLiteral("inservice")};
    return names;
}

} // namespace

QString AlarmEvent::eventName(Event event)
{
    return eventNames().at(static_cast<int>(event));
}

bool AlarmEvent::eventFromName(const QString &name, Event *event)
{
    const int i = eventNames().indexOf(name);
    if (i < 0)
        return false;
    *event = static_cast<Event>(i);
    return true;
}
