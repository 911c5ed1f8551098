#pragma once

#include "alarmcommand.h"
#include "alarmengine.h"
#include "useraction.h"

#include <QObject>

#include <functional>

class AlarmSound;
class AlarmTableModel;
class UserSession;

// The site's alarms for the window: the engine, the rows of the alarm tab,
// the tone. Passes wait until the states kept by the store are restored
// (or the store is known to be away), so that an alarm left
// unacknowledged is not raised anew. What changes goes to the journal
// through journalled().
class AlarmCenter : public QObject
{
    Q_OBJECT

public:
    explicit AlarmCenter(QObject *parent = nullptr);

    // A project opened or its monitoring changed; states of alarms still
    // defined are kept. An empty record: the project was closed, and what
    // the store keeps stays as it is.
    void setSite(const MonitoringRecord &record);
    void restore(const QVector<AlarmSnapshot> &states);
    // The store is away at start: begin without the kept states.
    void startWithoutStates();
    bool isRestored() const { return m_restored; }
    void evaluate(const QVector<HistorySample> &readings);

    // While another engine records the store: the alarms are what the
    // store keeps, and the operator's actions are sent to that engine
    // (commanded()) instead of done here.
    void setRemote(bool remote) { m_remote = remote; }
    bool isRemote() const { return m_remote; }
    void mirror(const QVector<AlarmSnapshot> &states, const PointValues &values);
    // Actions other stations sent, done in their users' names.
    void apply(const QVector<AlarmCommand> &commands);

    // On the alarms given (indices into the engine); each returns how many
    // it changed.
    int acknowledge(const QVector<int> &alarms, const QString &comment);
    int shelve(const QVector<int> &alarms, int minutes, const QString &reason);
    int unshelve(const QVector<int> &alarms);
    int takeOutOfService(const QVector<int> &alarms, const QString &reason);
    int putInService(const QVector<int> &alarms);

    // Who may act on the alarms, and whom the journal names for it; none,
    // or nobody logged in: the account the program runs under.
    void setSession(const UserSession *session) { m_session = session; }
    // False, and refused() told, when the one logged in may not.
    bool permits(UserAction what);
    void setSoundEnabled(bool enabled);
    // Until the next new alarm.
    void silence();
    bool isSounding() const;

    const AlarmEngine &engine() const { return m_engine; }
    AlarmTableModel *model() const { return m_model; }
    int maxShelveHours() const { return m_maxShelveHours; }
    int unacknowledgedCount() const { return m_unacknowledged; }
    int activeCount() const { return m_active; }
    int highestPriority() const { return m_highest; } // 0: none
    // For tests: the clock in UTC milliseconds.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

signals:
    void journalled(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states);
    // Counts, rows or the points in alarm changed.
    void changed();
    // Nothing was done: the one logged in may not (the text says why).
    void refused(const QString &why);
    // Remote: the actions to send to the engine that records.
    void commanded(const QVector<AlarmCommand> &commands);

private:
    int act(UserAction what, const QVector<int> &alarms, AlarmCommand command);
    QString actingUser() const;
    void flush();
    void refresh(bool raised);
    void count();
    // After count(), which finds whether an urgent alarm is waiting.
    void updateSound(bool newAlarm);

    AlarmEngine m_engine;
    AlarmTableModel *m_model;
    AlarmSound *m_sound;
    std::function<qint64()> m_clock;
    const UserSession *m_session = nullptr;
    QVector<HistorySample> m_held; // the last pass before the states came
    bool m_restored = false;
    bool m_remote = false;
    bool m_soundEnabled = true;
    bool m_silenced = false;
    int m_maxShelveHours = 8;
    int m_unacknowledged = 0;
    int m_active = 0;
    int m_highest = 0;
    bool m_urgent = false; // a priority 1 or 2 alarm awaits acknowledgement
};
