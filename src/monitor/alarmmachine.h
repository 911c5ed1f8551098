#pragma once

#include "alarmevent.h"
#include "alarmsnapshot.h"

#include <QVector>

// The states of one alarm and what moves it between them: normal, active
// unacknowledged, active acknowledged, returned unacknowledged; shelved for
// a time (still evaluated and journalled, only hidden) and out of service
// (not evaluated until put back). The condition must hold onDelay before
// the alarm is raised and be gone offDelay before it clears; a pass that
// cannot tell (the controller silent) keeps the state and starts both
// delays over. Driven by the caller's clock, never by its own.
class AlarmMachine
{
public:
    using State = AlarmSnapshot::State;
    using Event = AlarmEvent::Event;
    enum class Condition { Off, On, Unknown };

    explicit AlarmMachine(qint64 onDelayMs = 0, qint64 offDelayMs = 0);

    // Appends what this pass changed to events: a shelf time ended, raised,
    // cleared.
    void evaluate(Condition condition, qint64 nowMs, QVector<Event> *events);
    // Each answers whether it changed anything (and so is journalled).
    bool acknowledge();
    bool shelve(qint64 untilMs);
    bool unshelve();
    bool takeOutOfService();
    bool putInService();
    // Where a run before this one left the alarm; its delays start afresh.
    void restore(const AlarmSnapshot &snapshot);

    State state() const { return m_state; }
    bool isActive() const { return m_state == State::ActiveUnacknowledged || m_state == State::ActiveAcknowledged; }
    bool isUnacknowledged() const
    {
        return m_state == State::ActiveUnacknowledged || m_state == State::ReturnedUnacknowledged;
    }
    bool isShelved() const { return m_shelvedUntil != 0; }
    bool isOutOfService() const { return m_outOfService; }
    qint64 raisedMs() const { return m_raisedMs; }
    qint64 shelvedUntilMs() const { return m_shelvedUntil; }

private:
    void conditionOn(qint64 nowMs, QVector<Event> *events);
    void conditionOff(qint64 nowMs, QVector<Event> *events);

    qint64 m_onDelay;
    qint64 m_offDelay;
    State m_state = State::Normal;
    qint64 m_raisedMs = 0;
    qint64 m_shelvedUntil = 0;
    bool m_outOfService = false;
    qint64 m_onSince = -1;  // the condition has held since, not yet raised
    qint64 m_offSince = -1; // it has been gone since, not yet cleared
};
