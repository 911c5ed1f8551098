#include "alarmcenter.h"

#include "alarmsound.h"
#include "alarmtablemodel.h"
#include "systemuser.h"
#include "usersession.h"

#include <QDateTime>
#include <QSysInfo>

AlarmCenter::AlarmCenter(QObject *parent)
    : QObject(parent)
    , m_model(new AlarmTableModel(&m_engine, this))
    , m_sound(new AlarmSound(this))
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
}

void AlarmCenter::setSite(const MonitoringRecord &record)
{
    m_maxShelveHours = record.maxShelveHours;
    if (record.points.isEmpty()) {
        m_engine = AlarmEngine();
        m_restored = false;
        m_held.clear();
    }
    m_engine.setSite(record);
    flush();
}

void AlarmCenter::restore(const QVector<AlarmSnapshot> &states)
{
    if (m_restored)
        return;
    m_engine.restore(states);
    startWithoutStates();
}

void AlarmCenter::startWithoutStates()
{
    if (m_restored)
        return;
    m_restored = true;
    if (!m_held.isEmpty())
        evaluate(m_held);
    else
        flush();
    m_held.clear();
}

void AlarmCenter::evaluate(const QVector<HistorySample> &readings)
{
    if (!m_restored) {
        m_held = readings;
        return;
    }
    m_engine.evaluate(readings, m_clock());
    flush();
}

void AlarmCenter::mirror(const QVector<AlarmSnapshot> &states, const PointValues &values)
{
    m_restored = true;
    m_held.clear();
    refresh(m_engine.mirror(states, values));
}

void AlarmCenter::apply(const QVector<AlarmCommand> &commands)
{
    const qint64 now = m_clock();
    for (const AlarmCommand &c : commands)
        m_engine.apply(c, m_maxShelveHours * 60, now);
    flush();
}

bool AlarmCenter::permits(UserAction what)
{
    const QString refusal = m_session ? m_session->refusal(what) : QString();
    if (!refusal.isEmpty())
        emit refused(refusal);
    return refusal.isEmpty();
}

QString AlarmCenter::actingUser() const
{
    return m_session && m_session->isLoggedIn() ? m_session->userName() : SystemUser::name();
}

// Done here, or, while another engine records, sent to it: only what
// would change an alarm as this station sees it, so that one acknowledged
// on two stations is journalled once.
int AlarmCenter::act(UserAction what, const QVector<int> &alarms, AlarmCommand command)
{
    if (!permits(what))
        return 0;
    command.user = actingUser();
    command.station = QSysInfo::machineHostName();
    command.timeMs = m_clock();
    const int maxShelveMinutes = m_maxShelveHours * 60;
    QVector<AlarmCommand> sent;
    int done = 0;
    for (const int i : alarms) {
        if (i < 0 || i >= m_engine.count())
            continue;
        command.point = m_engine.alarm(i).point;
        command.kind = m_engine.alarm(i).definition.kind;
        if (!m_remote)
            done += m_engine.apply(command, maxShelveMinutes, command.timeMs) ? 1 : 0;
        else if (m_engine.wouldChange(i, command, maxShelveMinutes, command.timeMs))
            sent.append(command);
    }
    if (!m_remote) {
        flush();
        return done;
    }
    if (!sent.isEmpty())
        emit commanded(sent);
    return sent.size();
}

int AlarmCenter::acknowledge(const QVector<int> &alarms, const QString &comment)
{
    return act(UserAction::AcknowledgeAlarm, alarms, {AlarmCommand::Action::Acknowledge, {}, {}, 0, {}, {}, comment});
}

int AlarmCenter::shelve(const QVector<int> &alarms, int minutes, const QString &reason)
{
    return act(UserAction::ShelveAlarm, alarms, {AlarmCommand::Action::Shelve, {}, {}, minutes, {}, {}, reason});
}

int AlarmCenter::unshelve(const QVector<int> &alarms)
{
    return act(UserAction::ShelveAlarm, alarms, {AlarmCommand::Action::Unshelve});
}

int AlarmCenter::takeOutOfService(const QVector<int> &alarms, const QString &reason)
{
    return act(UserAction::SetAlarmOutOfService, alarms,
               {AlarmCommand::Action::TakeOutOfService, {}, {}, 0, {}, {}, reason});
}

int AlarmCenter::putInService(const QVector<int> &alarms)
{
    return act(UserAction::SetAlarmOutOfService, alarms, {AlarmCommand::Action::PutInService});
}

void AlarmCenter::flush()
{
    const QVector<AlarmEvent> events = m_engine.takeEvents();
    const QVector<AlarmSnapshot> states = m_engine.takeChangedStates();
    if (!events.isEmpty() || !states.isEmpty())
        emit journalled(events, states);
    refresh(std::any_of(events.cbegin(), events.cend(),
                        [](const AlarmEvent &e) { return e.event == AlarmEvent::Event::Raised; }));
}

void AlarmCenter::refresh(bool raised)
{
    m_engine.takeChanged();
    m_model->refresh();
    count();
    updateSound(raised);
    emit changed();
}

void AlarmCenter::count()
{
    m_unacknowledged = m_active = m_highest = 0;
    m_urgent = false;
    for (int i = 0; i < m_engine.count(); ++i) {
        const AlarmEngine::Alarm &a = m_engine.alarm(i);
        if (!a.isShown() || a.machine.state() == AlarmSnapshot::State::Normal)
            continue;
        m_unacknowledged += a.machine.isUnacknowledged() ? 1 : 0;
        m_urgent = m_urgent || (a.machine.isUnacknowledged() && a.definition.priority <= 2);
        m_active += a.machine.isActive() ? 1 : 0;
        if (m_highest == 0 || a.definition.priority < m_highest)
            m_highest = a.definition.priority;
    }
}

void AlarmCenter::setSoundEnabled(bool enabled)
{
    m_soundEnabled = enabled;
    updateSound(false);
}

void AlarmCenter::silence()
{
    m_silenced = true;
    updateSound(false);
}

bool AlarmCenter::isSounding() const
{
    return m_sound->isSounding();
}

// A tone while an urgent alarm (priority 1 or 2) waits for acknowledgement.
void AlarmCenter::updateSound(bool newAlarm)
{
    if (newAlarm)
        m_silenced = false;
    m_sound->setSounding(m_soundEnabled && !m_silenced && m_urgent);
}
