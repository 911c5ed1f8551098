#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>
#include <QtNumeric>

// One row of the alarm journal: a transition of an alarm, named by its
// point and kind (a controller's communication alarm: the controller's ID
// and "comm"). Time is UTC milliseconds; value is NaN where there is none;
// user is empty for what the program did by itself (raised, cleared, a
// shelf time ending).
struct AlarmEvent
{
    enum class Event { Raised, Cleared, Acknowledged, Shelved, Unshelved, OutOfService, InService };

    qint64 timeMs = 0;
    QString point;
    QString kind;
    int priority = 3;
    Event event = Event::Raised;
    double value = qQNaN();
    QString user;
    QString comment;
    QString text;

    // "raised", "cleared", "acknowledged", "shelved", "unshelved",
    // "outofservice", "inservice"; eventFromName answers false for others.
    static QString eventName(Event event);
    static bool eventFromName(const QString &name, Event *event);

    bool operator==(const AlarmEvent &o) const
    {
        return timeMs == o.timeMs && point == o.point && kind == o.kind && priority == o.priority
            && event == o.event && (value == o.value || (qIsNaN(value) && qIsNaN(o.value))) && user == o.user
            && comment == o.comment && text == o.text;
    }
    bool operator!=(const AlarmEvent &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(AlarmEvent)
Q_DECLARE_METATYPE(QVector<AlarmEvent>)
