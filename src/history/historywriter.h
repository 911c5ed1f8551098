#pragma once

#include "alarmcommand.h"
#include "alarmevent.h"
#include "alarmsnapshot.h"
#include "auditrecord.h"
#include "historysample.h"
#include "historystore.h"
#include "monitoringrecord.h"
#include "pointvalues.h"
#include "storelease.h"

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
//
// Given a lease to claim, it writes samples and alarms only while it holds
// the store's lease, renewed at every write; while another engine holds
// it, it drops them, watches the store every second instead, and takes
// the lease once it lapsed if it may. Holding it, it takes the alarm
// actions other stations sent, every second.
class HistoryWriter : public QObject
{
    Q_OBJECT

public:
    HistoryWriter(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                  int capacity, const StoreLease &claim = StoreLease(), bool takeOver = true);

    // All four run on the worker thread.
    void start();
    void append(const QVector<HistorySample> &samples);
    void appendAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states);
    void appendAudit(const QVector<AuditRecord> &records);
    void appendCommands(const QVector<AlarmCommand> &commands);
    // Renews the lease (or tries to take it) with nothing else to write.
    void renew() { flush(); }
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
    // Once, when the store first opens (with a lease: when it is taken):
    // the alarm states kept by the run or engine before.
    void alarmStatesRead(const QVector<AlarmSnapshot> &states);
    void leaseHeld();
    // Another engine holds the store: told when it is first seen, and then
    // every second while it holds it, with the states it keeps and the
    // latest values recorded of their points.
    void leaseRefused(const StoreLease &lease);
    void leaseSeen(const StoreLease &lease);
    void storeStates(const QVector<AlarmSnapshot> &states, const PointValues &values);
    // Alarm actions other stations sent, to be applied at once.
    void alarmCommands(const QVector<AlarmCommand> &commands);
    void dropped(qint64 total);
    // Emitted by finish(): samples, alarm events and audit rows that were
    // still buffered and not written.
    void unwritten(qint64 count);

private:
    void flush();
    bool flushAlarms();
    bool ensureOpen();
    bool readStates();
    bool holdLease();
    bool refused(const StoreLease &lease);
    bool takeCommands();
    bool readValues(const QVector<AlarmSnapshot> &states, qint64 nowMs, PointValues *values, QString *error);
    void watch();
    bool storeFailed(const QString &reason);
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
    QVector<AlarmCommand> m_commands; // to send
    StoreLease m_claim;               // no holder: the store is not shared
    bool m_takeOver;
    bool m_holding = false;
    bool m_watching = false; // another engine holds the store
    QString m_refusedBy;
    QVector<AlarmSnapshot> m_seenStates;
    PointValues m_seenValues;
    bool m_statesSeen = false;
    bool m_statesRead = false;
    qint64 m_dropped = 0;
    bool m_failing = false;
    bool m_purgeDue = true;
    std::atomic<bool> m_givingUp{false};
    QTimer *m_retry = nullptr;
    QTimer *m_daily = nullptr;
    QTimer *m_watch = nullptr;     // while the store is shared
    QTimer *m_steady = nullptr;    // a store that failed soon after it came back
    QElapsedTimer m_sinceRecovery; // since the store was last reported back
};
