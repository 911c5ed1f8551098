#include "alarmengine.h"

#include "alarmcondition.h"

namespace {

constexpr int kCommPriority = 2;

// A shelve lasts at least a minute and at most what the site allows.
qint64 shelveEnd(const AlarmCommand &c, int maxShelveMinutes, qint64 nowMs)
{
    return nowMs + qint64(qBound(1, c.minutes, maxShelveMinutes)) * 60'000;
}

} // namespace

void AlarmEngine::setSite(const MonitoringRecord &record)
{
    QVector<AlarmSnapshot> kept;
    for (int i = 0; i < m_alarms.size(); ++i)
        kept.append(snapshotOf(i));
    m_alarms.clear();
    m_firstOfPoint.clear();
    m_controllers.clear();
    m_byKey.clear();
    QHash<QString, int> controllerOf;
    for (int p = 0; p < record.points.size(); ++p) {
        const MonitoringPoint &point = record.points.at(p);
        m_firstOfPoint.append(m_alarms.size());
        addPointAlarms(point, p);
        if (!controllerOf.contains(point.device)) {
            controllerOf.insert(point.device, m_controllers.size());
            m_controllers.append(Controller{point.device, -1, {}});
        }
        m_controllers[controllerOf.value(point.device)].points.append(p);
    }
    m_firstOfPoint.append(m_alarms.size());
    for (Controller &c : m_controllers) {
        c.alarm = m_alarms.size();
        addCommAlarm(c.device, record.commAlarmDelay);
    }
    m_stateChanged.reset(m_alarms.size());
    m_shownChanged.reset(m_alarms.size());
    for (const AlarmSnapshot &s : qAsConst(kept)) {
        if (!m_byKey.contains(key(s.point, s.kind)) && !s.isPlainNormal())
            m_dropped.append({s.point, s.kind, AlarmSnapshot::State::Normal, 0, 0, false});
    }
    restore(kept);
}

void AlarmEngine::addPointAlarms(const MonitoringPoint &point, int pointIndex)
{
    for (const AlarmDefinition &d : point.alarms) {
        const QString k = key(point.id, d.kind);
        if (m_byKey.contains(k))
            continue;
        Alarm a;
        a.definition = d;
        a.point = point.id;
        a.description = point.description;
        a.pointIndex = pointIndex;
        a.machine = AlarmMachine(qint64(d.onDelay) * 1000, qint64(d.offDelay) * 1000);
        m_byKey.insert(k, m_alarms.size());
        m_alarms.append(a);
    }
}

void AlarmEngine::addCommAlarm(const QString &device, int delaySeconds)
{
    Alarm a;
    a.definition.kind = QStringLiteral("comm");
    a.definition.priority = kCommPriority;
    a.definition.onDelay = delaySeconds;
    a.definition.text = tr("Brak komunikacji ze sterownikiem %1").arg(device);
    a.point = device;
    a.description = device;
    a.machine = AlarmMachine(qint64(delaySeconds) * 1000, 0);
    m_byKey.insert(key(device, a.definition.kind), m_alarms.size());
    m_alarms.append(a);
}

void AlarmEngine::restore(const QVector<AlarmSnapshot> &snapshots)
{
    for (const AlarmSnapshot &s : snapshots) {
        const int i = indexOf(s.point, s.kind);
        if (i < 0)
            continue;
        Alarm &a = m_alarms[i];
        a.machine.restore(s);
        a.holding = a.machine.isActive();
        m_shownChanged.mark(i);
    }
}

void AlarmEngine::evaluate(const QVector<HistorySample> &readings, qint64 nowMs)
{
    const int points = qMin(readings.size(), m_firstOfPoint.size() - 1);
    for (int p = 0; p < points; ++p) {
        const HistorySample &reading = readings.at(p);
        for (int i = m_firstOfPoint.at(p); i < m_firstOfPoint.at(p + 1); ++i) {
            Alarm &a = m_alarms[i];
            const AlarmMachine::Condition c = AlarmCondition::of(a.definition, reading, a.holding);
            if (c != AlarmMachine::Condition::Unknown)
                a.holding = c == AlarmMachine::Condition::On;
            const bool silent = c == AlarmMachine::Condition::Unknown && !reading.hasValue();
            if (silent != a.silent)
                m_shownChanged.mark(i);
            a.silent = silent;
            if (reading.hasValue())
                a.value = reading.value;
            step(i, c, nowMs);
        }
    }
    for (const Controller &c : qAsConst(m_controllers))
        evaluateComm(c, readings, nowMs);
}

// Silent while none of its points was answered in the pass.
void AlarmEngine::evaluateComm(const Controller &c, const QVector<HistorySample> &readings, qint64 nowMs)
{
    bool silent = true;
    for (const int p : c.points)
        silent = silent && (p >= readings.size() || readings.at(p).quality == HistorySample::Quality::NoAnswer);
    step(c.alarm, silent ? AlarmMachine::Condition::On : AlarmMachine::Condition::Off, nowMs);
}

void AlarmEngine::step(int i, AlarmMachine::Condition condition, qint64 nowMs)
{
    m_stepEvents.clear();
    m_alarms[i].machine.evaluate(condition, nowMs, &m_stepEvents);
    for (const AlarmMachine::Event e : qAsConst(m_stepEvents))
        journal(i, e, nowMs);
}

bool AlarmEngine::acknowledge(int i, const QString &user, const QString &comment, qint64 nowMs)
{
    if (!m_alarms[i].machine.acknowledge())
        return false;
    journal(i, AlarmEvent::Event::Acknowledged, nowMs, user, comment);
    return true;
}

bool AlarmEngine::shelve(int i, qint64 untilMs, const QString &user, const QString &comment, qint64 nowMs)
{
    if (untilMs <= nowMs || !m_alarms[i].machine.shelve(untilMs))
        return false;
    journal(i, AlarmEvent::Event::Shelved, nowMs, user, comment);
    return true;
}

bool AlarmEngine::unshelve(int i, const QString &user, const QString &comment, qint64 nowMs)
{
    if (!m_alarms[i].machine.unshelve())
        return false;
    journal(i, AlarmEvent::Event::Unshelved, nowMs, user, comment);
    return true;
}

bool AlarmEngine::takeOutOfService(int i, const QString &user, const QString &comment, qint64 nowMs)
{
    if (!m_alarms[i].machine.takeOutOfService())
        return false;
    m_alarms[i].holding = false;
    journal(i, AlarmEvent::Event::OutOfService, nowMs, user, comment);
    return true;
}

bool AlarmEngine::putInService(int i, const QString &user, const QString &comment, qint64 nowMs)
{
    if (!m_alarms[i].machine.putInService())
        return false;
    journal(i, AlarmEvent::Event::InService, nowMs, user, comment);
    return true;
}

void AlarmEngine::journal(int i, AlarmEvent::Event event, qint64 nowMs, const QString &user, const QString &comment)
{
    const Alarm &a = m_alarms.at(i);
    m_events.append({nowMs, a.point, a.definition.kind, a.definition.priority, event,
                     a.isComm() ? qQNaN() : a.value, user, comment, a.definition.text});
    m_stateChanged.mark(i);
    m_shownChanged.mark(i);
}

QStringList AlarmEngine::pointsInAlarm() const
{
    QStringList points;
    for (const Alarm &a : m_alarms) {
        if (!a.isComm() && a.machine.isActive() && a.isShown() && !points.contains(a.point))
            points.append(a.point);
    }
    return points;
}

bool AlarmEngine::apply(const AlarmCommand &c, int maxShelveMinutes, qint64 nowMs)
{
    const int i = indexOf(c.point, c.kind);
    if (i < 0)
        return false;
    switch (c.action) {
    case AlarmCommand::Action::Acknowledge:
        return acknowledge(i, c.user, c.comment, nowMs);
    case AlarmCommand::Action::Shelve:
        return shelve(i, shelveEnd(c, maxShelveMinutes, nowMs), c.user, c.comment, nowMs);
    case AlarmCommand::Action::Unshelve:
        return unshelve(i, c.user, c.comment, nowMs);
    case AlarmCommand::Action::TakeOutOfService:
        return takeOutOfService(i, c.user, c.comment, nowMs);
    case AlarmCommand::Action::PutInService:
        return putInService(i, c.user, c.comment, nowMs);
    }
    return false;
}

bool AlarmEngine::wouldChange(int i, const AlarmCommand &c, int maxShelveMinutes, qint64 nowMs) const
{
    AlarmMachine m = m_alarms.at(i).machine;
    switch (c.action) {
    case AlarmCommand::Action::Acknowledge:
        return m.acknowledge();
    case AlarmCommand::Action::Shelve:
        return m.shelve(shelveEnd(c, maxShelveMinutes, nowMs));
    case AlarmCommand::Action::Unshelve:
        return m.unshelve();
    case AlarmCommand::Action::TakeOutOfService:
        return m.takeOutOfService();
    case AlarmCommand::Action::PutInService:
        return m.putInService();
    }
    return false;
}

bool AlarmEngine::mirror(const QVector<AlarmSnapshot> &states, const PointValues &values)
{
    QVector<AlarmSnapshot> wanted(m_alarms.size());
    for (int i = 0; i < m_alarms.size(); ++i)
        wanted[i] = {m_alarms.at(i).point, m_alarms.at(i).definition.kind};
    for (const AlarmSnapshot &s : states) {
        const int i = indexOf(s.point, s.kind);
        if (i >= 0)
            wanted[i] = s;
    }
    bool raised = false;
    for (int i = 0; i < m_alarms.size(); ++i) {
        if (!m_alarms.at(i).isComm())
            m_alarms[i].value = values.value(m_alarms.at(i).point, qQNaN());
        const AlarmSnapshot was = snapshotOf(i);
        if (was == wanted.at(i))
            continue;
        raised = raised
            || (wanted.at(i).state == AlarmSnapshot::State::ActiveUnacknowledged
                && wanted.at(i).raisedMs != was.raisedMs);
        Alarm &a = m_alarms[i];
        a.machine.restore(wanted.at(i));
        a.holding = a.machine.isActive();
        m_shownChanged.mark(i);
    }
    return raised;
}

AlarmSnapshot AlarmEngine::snapshotOf(int i) const
{
    const Alarm &a = m_alarms.at(i);
    return {a.point, a.definition.kind, a.machine.state(), a.machine.raisedMs(), a.machine.shelvedUntilMs(),
            a.machine.isOutOfService()};
}

QVector<AlarmEvent> AlarmEngine::takeEvents()
{
    QVector<AlarmEvent> events;
    events.swap(m_events);
    return events;
}

QVector<AlarmSnapshot> AlarmEngine::takeChangedStates()
{
    QVector<AlarmSnapshot> states;
    states.swap(m_dropped);
    for (const int i : m_stateChanged.take())
        states.append(snapshotOf(i));
    return states;
}

void AlarmEngine::ChangeList::reset(int size)
{
    list.clear();
    marked = QVector<bool>(size, false);
}

void AlarmEngine::ChangeList::mark(int i)
{
    if (marked.at(i))
        return;
    marked[i] = true;
    list.append(i);
}

QVector<int> AlarmEngine::ChangeList::take()
{
    QVector<int> taken;
    taken.swap(list);
    for (const int i : qAsConst(taken))
        marked[i] = false;
    return taken;
}
