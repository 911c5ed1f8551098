#pragma once

#include "alarmcommand.h"
#include "alarmevent.h"
#include "alarmjournalquery.h"
#include "alarmreport.h"
#include "alarmsnapshot.h"
#include "auditquery.h"
#include "auditrecord.h"
#include "historydialect.h"
#include "historygap.h"
#include "historypoints.h"
#include "historysample.h"
#include "historystats.h"
#include "historystep.h"
#include "stagedpasses.h"
#include "storelease.h"
#include "statementcache.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

struct StoreRecord;

// The history of a project's monitoring points in a database: SQLite (a
// file in the project folder, the default) or PostgreSQL. Raw samples are
// kept retentionDays, their per-minute and per-hour rollups rollupDays
// (0: for ever). Synchronous; used from the one thread that opens it, on
// a connection of its own.
class HistoryStore
{
public:
    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    bool open(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
              QString *error);
    // For a reader beside the recorder (an export): a SQLite file must
    // already be a store of this version. Nothing is made, migrated or
    // moved aside.
    bool openForReading(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                        QString *error);
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    // What open() had to do to succeed, for the operator: a file that could
    // not be read as a database is kept aside under a new name.
    QString lastWarning() const { return m_warning; }
    // A connection attempt to a server gives up as soon as *flag is true
    // (the program is closing); the flag outlives the store.
    void setGiveUp(const std::atomic<bool> *flag) { m_giveUp = flag; }

    // One transaction: all of the samples, or none.
    bool write(const QVector<HistorySample> &samples, QString *error);
    // Samples from elsewhere (an export, another store): written as new
    // ones are, rollups included.
    bool importSamples(const QVector<HistorySample> &samples, QString *error);

    // One transaction: the journal's events appended in order and the
    // alarms' states kept (a plainly normal one forgotten).
    bool writeAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states, QString *error);
    bool alarmStates(QVector<AlarmSnapshot> *states, QString *error);
    // The journal's rows the query asks for, oldest first (rows of one time
    // in the order they were written).
    bool journal(const AlarmJournalQuery &q, QVector<AlarmEvent> *events, QString *error);
    // The alarm load over fromMs <= time < toMs.
    bool alarmReport(qint64 fromMs, qint64 toMs, AlarmReport *report, QString *error);

    // One transaction: the audit rows appended in order. The program never
    // changes or deletes one, and no purge does.
    bool appendAudit(const QVector<AuditRecord> &records, QString *error);
    // The audit rows the query asks for, oldest first (rows of one time in
    // the order they were written).
    bool audit(const AuditQuery &query, QVector<AuditRecord> *records, QString *error);

    // One transaction: the lease taken for claim's holder if it is free,
    // lapsed or its own; *lease: who holds it now.
    bool claimLease(const StoreLease &claim, StoreLease *lease, QString *error);
    bool releaseLease(const QString &holder, QString *error);
    bool lease(StoreLease *lease, QString *error);
    // Alarm actions for the engine that records, and taken by it.
    bool sendAlarmCommands(const QVector<AlarmCommand> &commands, QString *error);
    bool takeAlarmCommands(QVector<AlarmCommand> *commands, QString *error);

    // The samples of a point with fromMs <= time < toMs, oldest first.
    QVector<HistorySample> samples(const QString &point, qint64 fromMs, qint64 toMs, QString *error);
    // steps steps of equal width from fromMs, covering [fromMs, toMs): the
    // good values of each, so that a single spike shows at any zoom.
    QVector<HistoryStep> steps(const QString &point, qint64 fromMs, qint64 toMs, int steps, QString *error);
    // The point's last sample before beforeMs, of any quality; false when
    // it has none (or none kept raw).
    bool lastBefore(const QString &point, qint64 beforeMs, HistorySample *sample, QString *error);
    // Where the point had no good value within [fromMs, toMs), oldest first.
    HistoryGaps gaps(const QString &point, qint64 fromMs, qint64 toMs, QString *error);
    QStringList points(QString *error);
    bool stats(HistoryStats *stats, QString *error);
    // Drops raw samples older than the retention and rollups older than
    // theirs, counted back from nowMs; the alarm journal keeps the rollups'
    // days, whole, and the audit trail keeps every row.
    bool purge(qint64 nowMs, QString *error);

private:
    bool openAs(bool reading, const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                QString *error);
    bool usable(bool reading, bool postgres, QString *error);
    bool openSqlite(const StoreRecord &store, const QString &projectDir, bool reading, QString *error);
    bool moveAside(QString *error);
    bool configureSqlite(QString *error);
    bool openPostgres(const StoreRecord &store, QString *error);
    bool transact(const std::function<bool(QString *)> &work, QString *error);
    bool stage(const QVector<HistorySample> &samples, QString *error);
    bool allNewer(const QVector<StagedPasses::Sample> &samples, bool *newer, QString *error);
    bool fold(QString *error);
    bool writeBatch(const QVector<HistorySample> &samples, QString *error);
    QVector<StagedPasses::Sample> staged(int point, qint64 fromMs, qint64 toMs, QString *error);
    bool rawSteps(int point, qint64 fromMs, qint64 toMs, qint64 width, QVector<HistoryStep> *steps, QString *error);
    bool rollupSteps(int point, qint64 fromMs, qint64 toMs, qint64 width, QVector<HistoryStep> *steps,
                     QString *error);
    bool groupedSteps(const QString &sql, const QVector<QVariant> &values, QVector<HistoryStep> *steps,
                      QString *error);
    bool rawCountBelow(int point, qint64 fromMs, qint64 toMs, int limit, bool *below, QString *error);
    qint64 bytesOnDisk(QString *error);
    bool purgeJournal(qint64 nowMs, QString *error);

    QString m_connection;
    QSqlDatabase m_db;
    HistoryDialect m_dialect;
    HistoryPoints m_points;
    StatementCache m_statements;
    StagedPasses m_staged;
    QHash<int, qint64> m_newest; // each point's latest time, as far as asked
    QString m_path;
    QString m_warning;
    int m_retentionDays = 0;
    int m_rollupDays = 0;
    const std::atomic<bool> *m_giveUp = nullptr;
};
