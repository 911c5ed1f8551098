#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// An operator's action on an alarm, sent by a station that does not record
// through the store to the engine that does, which applies it at its next
// pass as if it had been done on its own screen.
struct AlarmCommand
{
    enum class Action { Acknowledge, Shelve, Unshelve, TakeOutOfService, PutInService };

    Action action = Action::Acknowledge;
    QString point;
    QString kind;
    int minutes = 0; // how long a shelve lasts
    QString user;
    QString station;
    QString comment;
    qint64 timeMs = 0; // when it was asked

    static QString actionName(Action action);
    static bool actionFromName(const QString &name, Action *action);
    bool operator==(const AlarmCommand &o) const
    {
        return action == o.action && point == o.point && kind == o.kind && minutes == o.minutes && user == o.user
            && station == o.station && comment == o.comment && timeMs == o.timeMs;
    }
};

Q_DECLARE_METATYPE(AlarmCommand)
Q_DECLARE_METATYPE(QVector<AlarmCommand>)
