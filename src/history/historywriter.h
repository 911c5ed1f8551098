#pragma once

#include "alarmevent.h"
#include "alarmsnapshot.h"
#include "auditrecord.h"
#include "historysample.h"
#include "historystore.h"
#include "monitoringrecord.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>

#include <atomic>
#include <deque>

class QTimer;

// The recorder's worker: owns the store on the recorder's thread, writes
// what it is given, and keeps samples in a bounded buffer while the store
// cannot take them (the oldest dropped beyond the buffer's capacity). Audit
// rows are kept, all of them, until the store takes them.
class HistoryWriter : public QObject
{
    Q_OBJECT

public:
    HistoryWriter(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                  int capacity);

    // All four run on the worker thread.
    void start();
    void append(const QVector<HistorySample> &samples);
    void appendAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states);
    void appendAudit(const QVector<AuditRecord> &records);
    // Writes what it can, closes the store and ends the thread. A store
    // known to be away is not waited for: what is left is told by
    // unwritten().
    void finish();
    // From any thread: a connection attempt in flight, and any after it,
    // gives up at once, so that finish() comes without delay.
    void giveUp() { m_givingUp = true; }

signals:
    void unavailable(const QString &reason, const QDateTime &sinceUtc);
    void available();
    void warning(const QString &text);
    // Once, when the store first opens: the alarm states a run before kept.
    void alarmStatesRead(const QVector<AlarmSnapshot> &states);
    void dropped(qint64 total);
    // Emitted by finish(): samples, alarm events and audit rows that were
    // still buffered and not written.
    void unwritten(qint64 count);

private:
    void flush();
    bool flushAlarms();
    bool ensureOpen();
    void fail(const QString &reason);
    void recovered();
    void purge();

    StoreRecord m_record;
    QString m_projectDir;
    int m_retentionDays;
    int m_rollupDays;
    int m_capacity;
    HistoryStore m_store;
    std::deque<HistorySample> m_buffer;
    struct AlarmChange
    {
        QVector<AlarmEvent> events;
        QVector<AlarmSnapshot> states;
    };
    std::deque<AlarmChange> m_alarms; // in the order they happened
    qint64 m_alarmEvents = 0;         // buffered in m_alarms
    std::deque<AuditRecord> m_audit; // in the order they happened
    bool m_statesRead = false;
    qint64 m_dropped = 0;
    bool m_failing = false;
    bool m_purgeDue = true;
    std::atomic<bool> m_givingUp{false};
    QTimer *m_retry = nullptr;
    QTimer *m_daily = nullptr;
    QTimer *m_steady = nullptr;    // a store that failed soon after it came back
    QElapsedTimer m_sinceRecovery; // since the store was last reported back
};
