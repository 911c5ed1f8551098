#pragma once

#include "alarmcommand.h"
#include "alarmdefinition.h"
#include "alarmevent.h"
#include "alarmmachine.h"
#include "alarmsnapshot.h"
#include "historysample.h"
#include "monitoringrecord.h"
#include "pointvalues.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

// Every alarm of a site, evaluated once a pass from the readings of every
// point, whatever scheme is shown: the alarms of the points, and one
// communication alarm per controller with points, raised after the site's
// commAlarmDelay of silence and cleared by its first answer. Whatever
// changes is drained by the caller: journal events, the states to keep,
// and which alarms changed.
class AlarmEngine
{
    Q_DECLARE_TR_FUNCTIONS(AlarmEngine)

public:
    struct Alarm
    {
        AlarmDefinition definition;
        QString point;       // the point's ID; a communication alarm: the controller's
        QString description; // the point's description, or the controller's ID
        int pointIndex = -1; // into the record's points; -1: a communication alarm
        AlarmMachine machine;
        bool holding = false; // inside the limit's deadband band, as last read
        bool silent = false;  // the last pass could not read the point
        double value = qQNaN(); // as last read

        bool isComm() const { return pointIndex < 0; }
        bool isShown() const { return !machine.isShelved() && !machine.isOutOfService(); }
    };

    // Alarms still defined keep their states; the rest are dropped, and
    // their kept states with them.
    void setSite(const MonitoringRecord &record);
    // What the store kept of a run before; alarms no longer defined are
    // left out.
    void restore(const QVector<AlarmSnapshot> &snapshots);
    // The readings of one pass, one per point in the record's order.
    void evaluate(const QVector<HistorySample> &readings, qint64 nowMs);

    // The operator's actions on alarm i; each answers whether it changed
    // anything, and journals it with user and comment.
    bool acknowledge(int i, const QString &user, const QString &comment, qint64 nowMs);
    bool shelve(int i, qint64 untilMs, const QString &user, const QString &comment, qint64 nowMs);
    bool unshelve(int i, const QString &user, const QString &comment, qint64 nowMs);
    bool takeOutOfService(int i, const QString &user, const QString &comment, qint64 nowMs);
    bool putInService(int i, const QString &user, const QString &comment, qint64 nowMs);

    // An action another station sent through the store, done in its
    // user's name; a shelve lasts at most maxShelveMinutes. False when it
    // changed nothing (the alarm is gone, or was already so).
    bool apply(const AlarmCommand &command, int maxShelveMinutes, qint64 nowMs);
    // Whether the command would change alarm i as it stands here: a station
    // sends only those.
    bool wouldChange(int i, const AlarmCommand &command, int maxShelveMinutes, qint64 nowMs) const;
    // On a station that does not record: every alarm as the store keeps
    // it (one it does not keep is normal), with the values recorded. True
    // when an alarm was raised anew.
    bool mirror(const QVector<AlarmSnapshot> &states, const PointValues &values = PointValues());

    int count() const { return m_alarms.size(); }
    const Alarm &alarm(int i) const { return m_alarms.at(i); }
    int indexOf(const QString &point, const QString &kind) const { return m_byKey.value(key(point, kind), -1); }
    // Points with an active alarm that is not shelved or out of service.
    QStringList pointsInAlarm() const;

    QVector<AlarmEvent> takeEvents();
    // The alarms whose kept state changed since the last call, as they stand.
    QVector<AlarmSnapshot> takeChangedStates();
    // The alarms whose row changed since the last call, values aside (they
    // change every pass).
    QVector<int> takeChanged() { return m_shownChanged.take(); }

private:
    struct ChangeList
    {
        QVector<int> list;
        QVector<bool> marked;
        void reset(int size);
        void mark(int i);
        QVector<int> take();
    };

    struct Controller
    {
        QString device;
        int alarm = -1;      // its communication alarm
        QVector<int> points; // into the readings
    };

    static QString key(const QString &point, const QString &kind) { return point + QLatin1Char('\n') + kind; }
    void addPointAlarms(const MonitoringPoint &point, int pointIndex);
    void addCommAlarm(const QString &device, int delaySeconds);
    void evaluateComm(const Controller &c, const QVector<HistorySample> &readings, qint64 nowMs);
    void step(int i, AlarmMachine::Condition condition, qint64 nowMs);
    void journal(int i, AlarmEvent::Event event, qint64 nowMs, const QString &user = QString(),
                 const QString &comment = QString());
    AlarmSnapshot snapshotOf(int i) const;

    QVector<Alarm> m_alarms;
    QVector<int> m_firstOfPoint; // per point, its first alarm; one past the end closes the last
    QVector<Controller> m_controllers;
    QHash<QString, int> m_byKey;
    QVector<AlarmEvent> m_events;
    QVector<AlarmSnapshot> m_dropped; // states of alarms no longer defined
    ChangeList m_stateChanged;
    ChangeList m_shownChanged;
    QVector<AlarmMachine::Event> m_stepEvents;
};
