#pragma once

#include "alarmcommand.h"
#include "alarmevent.h"
#include "alarmsnapshot.h"
#include "auditrecord.h"
#include "historysample.h"
#include "monitoringrecord.h"
#include "pointvalues.h"
#include "storelease.h"

#include <QDateTime>
#include <QObject>
#include <QThread>

struct StoreRecord;
class HistoryWriter;

// Records samples into a history store from a thread of its own, so that
// the thread that calls record() never waits for the database. While the
// store cannot be written, samples wait in memory, at most bufferCapacity
// of them (the oldest go first), and are written once it is back: at the
// next record() or within a few seconds. The signals arrive on the
// recorder's thread.
//
// Given a lease to claim, it records only while its engine holds the
// store: see HistoryWriter.
class HistoryRecorder : public QObject
{
    Q_OBJECT

public:
    HistoryRecorder(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                    int bufferCapacity, QObject *parent = nullptr, const StoreLease &claim = StoreLease(),
                    bool takeOver = true);
    ~HistoryRecorder() override;

    // The buffer a site's recorder keeps while the store is away: an hour
    // of every point read each pass, and never fewer than 10,000 samples.
    static int anHourOf(const MonitoringRecord &record);

    void record(const QVector<HistorySample> &samples);
    // Alarm journal events and the states to keep, written in this order.
    void recordAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states);
    // Audit rows, written in the order given; none is dropped while the
    // store is away.
    void recordAudit(const QVector<AuditRecord> &records);
    // For the engine that records, through the store.
    void sendAlarmCommands(const QVector<AlarmCommand> &commands);
    // Once a pass: the lease renewed, or tried for.
    void renewLease();
    // Writes what it can and ends the thread; record() does nothing after.
    // A store that is away (or being connected to) is not waited for:
    // returns the samples, alarm events and audit rows that could not be
    // written.
    qint64 stop();
    // Samples dropped from the full buffer so far.
    qint64 droppedSamples() const { return m_dropped; }

signals:
    void storeUnavailable(const QString &reason, const QDateTime &sinceUtc);
    void storeAvailable();
    // Something the operator should know that did not stop the recording.
    void storeWarning(const QString &text);
    // Once, when the store first opens: the alarm states a run before kept.
    void alarmStatesRead(const QVector<AlarmSnapshot> &states);
    void leaseHeld();
    void leaseRefused(const StoreLease &lease);
    void leaseSeen(const StoreLease &lease);
    void storeStates(const QVector<AlarmSnapshot> &states, const PointValues &values);
    void alarmCommands(const QVector<AlarmCommand> &commands);

private:
    QThread m_thread;
    HistoryWriter *m_writer;
    qint64 m_dropped = 0;
};
