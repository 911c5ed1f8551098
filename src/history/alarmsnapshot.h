#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// Where an alarm stands, as the store keeps it between runs of the program
// so that an unacknowledged alarm is still unacknowledged after a restart.
// Only alarms that are not plainly normal are kept: not normal, shelved or
// out of service.
struct AlarmSnapshot
{
    enum class State { Normal, ActiveUnacknowledged, ActiveAcknowledged, ReturnedUnacknowledged };

    QString point;
    QString kind;
    State state = State::Normal;
    qint64 raisedMs = 0;       // when it was last raised
    qint64 shelvedUntilMs = 0; // 0: not shelved
    bool outOfService = false;

    bool isPlainNormal() const { return state == State::Normal && shelvedUntilMs == 0 && !outOfService; }
    bool operator==(const AlarmSnapshot &o) const
    {
        return point == o.point && kind == o.kind && state == o.state && raisedMs == o.raisedMs
            && shelvedUntilMs == o.shelvedUntilMs && outOfService == o.outOfService;
    }
    bool operator!=(const AlarmSnapshot &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(AlarmSnapshot)
Q_DECLARE_METATYPE(QVector<AlarmSnapshot>)
