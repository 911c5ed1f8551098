#include "alarmmachine.h"

AlarmMachine::AlarmMachine(qint64 onDelayMs, qint64 offDelayMs)
    : m_onDelay(onDelayMs)
    , m_offDelay(offDelayMs)
{
}

void AlarmMachine::evaluate(Condition condition, qint64 nowMs, QVector<Event> *events)
{
    if (m_shelvedUntil != 0 && nowMs >= m_shelvedUntil) {
        m_shelvedUntil = 0;
        events->append(Event::Unshelved);
    }
    if (m_outOfService)
        return;
    switch (condition) {
    case Condition::On:
        conditionOn(nowMs, events);
        break;
    case Condition::Off:
        conditionOff(nowMs, events);
        break;
    case Condition::Unknown:
        m_onSince = m_offSince = -1;
        break;
    }
}

void AlarmMachine::conditionOn(qint64 nowMs, QVector<Event> *events)
{
    m_offSince = -1;
    if (isActive())
        return;
    if (m_onSince < 0)
        m_onSince = nowMs;
    if (nowMs - m_onSince < m_onDelay)
        return;
    m_onSince = -1;
    m_state = State::ActiveUnacknowledged;
    m_raisedMs = nowMs;
    events->append(Event::Raised);
}

void AlarmMachine::conditionOff(qint64 nowMs, QVector<Event> *events)
{
    m_onSince = -1;
    if (!isActive())
        return;
    if (m_offSince < 0)
        m_offSince = nowMs;
    if (nowMs - m_offSince < m_offDelay)
        return;
    m_offSince = -1;
    m_state = m_state == State::ActiveAcknowledged ? State::Normal : State::ReturnedUnacknowledged;
    events->append(Event::Cleared);
}

bool AlarmMachine::acknowledge()
{
    if (m_state == State::ActiveUnacknowledged)
        m_state = State::ActiveAcknowledged;
    else if (m_state == State::ReturnedUnacknowledged)
        m_state = State::Normal;
    else
        return false;
    return true;
}

bool AlarmMachine::shelve(qint64 untilMs)
{
    if (m_outOfService || untilMs <= 0)
        return false;
    m_shelvedUntil = untilMs;
    return true;
}

bool AlarmMachine::unshelve()
{
    if (m_shelvedUntil == 0)
        return false;
    m_shelvedUntil = 0;
    return true;
}

// Out of service the alarm says nothing: it is normal, unshelved, and
// evaluated afresh once back in service.
bool AlarmMachine::takeOutOfService()
{
    if (m_outOfService)
        return false;
    m_outOfService = true;
    m_state = State::Normal;
    m_shelvedUntil = 0;
    m_onSince = m_offSince = -1;
    return true;
}

bool AlarmMachine::putInService()
{
    if (!m_outOfService)
        return false;
    m_outOfService = false;
    return true;
}

void AlarmMachine::restore(const AlarmSnapshot &snapshot)
{
    m_state = snapshot.outOfService ? State::Normal : snapshot.state;
    m_raisedMs = snapshot.raisedMs;
    m_shelvedUntil = snapshot.outOfService ? 0 : snapshot.shelvedUntilMs;
    m_outOfService = snapshot.outOfService;
    m_onSince = m_offSince = -1;
}
