#include "historystore.h"

#include "alarmjournal.h"
#include "audittrail.h"
#include "gapfinder.h"
#include "historybatch.h"
#include "historyschema.h"
#include "monitoringrecord.h"
#include "postgresprobe.h"
#include "rollupdeltas.h"
#include "sqlitefile.h"
#include "storesharing.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>

namespace {

const qint64 kDayMs = 24 * RollupDeltas::kHourMs;
const int kConnectTimeoutS = 10;

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryStore", text);
}

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tesk_history_%1").arg(counter.fetchAndAddRelaxed(1));
}

bool exec(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool exec(QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

void addToStep(HistoryStep *step, double value)
{
    const double sum = step->count ? step->avg * double(step->count) : 0;
    step->min = step->count ? qMin(step->min, value) : value;
    step->max = step->count ? qMax(step->max, value) : value;
    step->count += 1;
    step->avg = (sum + value) / double(step->count);
}

QString notOpen()
{
    return QCoreApplication::translate("HistoryStore", "historia nie jest otwarta");
}

} // namespace

HistoryStore::HistoryStore()
    : m_connection(uniqueConnectionName())
{
}

HistoryStore::~HistoryStore()
{
    close();
}

void HistoryStore::close()
{
    if (!m_db.isValid())
        return;
    m_statements.clear();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    m_points.clear();
}

bool HistoryStore::open(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                        QString *error)
{
    return openAs(false, store, projectDir, retentionDays, rollupDays, error);
}

bool HistoryStore::openForReading(const StoreRecord &store, const QString &projectDir, int retentionDays,
                                  int rollupDays, QString *error)
{
    return openAs(true, store, projectDir, retentionDays, rollupDays, error);
}

bool HistoryStore::openAs(bool reading, const StoreRecord &store, const QString &projectDir, int retentionDays,
                          int rollupDays, QString *error)
{
    close();
    m_warning.clear();
    m_retentionDays = retentionDays;
    m_rollupDays = rollupDays;
    m_dialect = HistoryDialect(store.isPostgres());
    const bool opened =
        store.isPostgres() ? openPostgres(store, error) : openSqlite(store, projectDir, reading, error);
    // A writer folds what an earlier one left staged, so that it never
    // piles up across sessions.
    if (opened && usable(reading, store.isPostgres(), error) && m_points.load(m_db, error)
        && (reading || transact([this](QString *why) { return fold(why); }, error)))
        return true;
    close();
    return false;
}

// A reader takes the tables as they are; the writer makes or migrates them.
bool HistoryStore::usable(bool reading, bool postgres, QString *error)
{
    if (reading)
        return HistorySchema::isCurrent(m_db, error);
    return HistorySchema::ensure(m_db, m_dialect, error) && (postgres || configureSqlite(error));
}

bool HistoryStore::openSqlite(const StoreRecord &store, const QString &projectDir, bool reading, QString *error)
{
    const QString name = store.path.isEmpty() ? StoreRecord().path : store.path;
    m_path = QDir(projectDir).absoluteFilePath(name);
    const QFileInfo file(m_path);
    // A folder that is missing may be a disk not mounted yet: history
    // written into a new folder in its place would be lost to the site.
    if (!file.dir().exists()) {
        *error = tr("brak folderu %1").arg(QDir::toNativeSeparators(file.dir().path()));
        return false;
    }
    if (file.isDir()) {
        *error = tr("%1 jest folderem").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    if (reading && (!file.exists() || SqliteFile::isForeign(m_path))) {
        *error = file.exists() ? tr("plik %1 nie jest historią").arg(QDir::toNativeSeparators(m_path))
                               : tr("brak pliku historii %1").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    if (SqliteFile::isForeign(m_path) && !moveAside(error))
        return false;
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    // A reader (an export) may hold the file for a moment while we write.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!m_db.open()) {
        *error = m_db.lastError().text();
        return false;
    }
    // A read that needs the file's header tells whether it is a database.
    QSqlQuery probe(m_db);
    if (probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return true;
    if (reading || !SqliteFile::isUnreadable(probe.lastError()) || !m_warning.isEmpty()) {
        *error = probe.lastError().text();
        return false;
    }
    probe.clear();
    m_db.close();
    if (!moveAside(error))
        return false;
    if (m_db.open())
        return true;
    *error = m_db.lastError().text();
    return false;
}

bool HistoryStore::moveAside(QString *error)
{
    const QString aside = SqliteFile::moveAside(m_path, error);
    if (aside.isEmpty())
        return false;
    m_warning = tr("plik historii %1 nie był czytelny; zachowano go jako %2 i założono nowy")
                    .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside));
    return true;
}

// Only once the file is known to be a store of ours: the journal mode is
// written into the file.
bool HistoryStore::configureSqlite(QString *error)
{
    return exec(m_db, QStringLiteral("PRAGMA journal_mode=WAL"), error)
        && exec(m_db, QStringLiteral("PRAGMA synchronous=NORMAL"), error)
        // A pass over many points touches a page of each point's samples and
        // rollups, three pages a point: the cache holds them for 10,000 points
        // (taken only as used), so that the next pass does not read them again;
        // the log holds several such passes before a checkpoint, so that a page
        // written by many passes goes to the file once.
        && exec(m_db, QStringLiteral("PRAGMA cache_size=-131072"), error)
        && exec(m_db, QStringLiteral("PRAGMA wal_autocheckpoint=30000"), error);
}

bool HistoryStore::openPostgres(const StoreRecord &store, QString *error)
{
    m_path.clear();
    static const std::atomic<bool> never(false);
    if (!PostgresProbe::answers(store, kConnectTimeoutS * 1000, m_giveUp ? *m_giveUp : never, error))
        return false;
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
    m_db.setHostName(store.host);
    bool numeric = false;
    const int port = store.port.toInt(&numeric);
    if (numeric)
        m_db.setPort(port);
    m_db.setDatabaseName(store.database);
    m_db.setUserName(store.user);
    // No password is ever set here: libpq takes it from PGPASSFILE or
    // PGPASSWORD. A server that does not answer must not hold the writer.
    m_db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutS));
    // A read is one point's range of a key: worker processes started for
    // it, as the planner chose after a bulk load, made a week's steps take
    // 60 to 250 ms instead of 5.
    if (m_db.open())
        return exec(m_db, QStringLiteral("SET max_parallel_workers_per_gather = 0"), error);
    *error = m_db.lastError().text();
    return false;
}

bool HistoryStore::writeAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states,
                               QString *error)
{
    return transact(
        [&](QString *why) {
            return AlarmJournal::append(m_db, m_statements, events, why)
                && AlarmJournal::keep(m_db, m_statements, states, why);
        },
        error);
}

bool HistoryStore::alarmStates(QVector<AlarmSnapshot> *states, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    return AlarmJournal::states(m_db, states, error);
}

bool HistoryStore::journal(const AlarmJournalQuery &q, QVector<AlarmEvent> *events, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    return AlarmJournal::read(m_db, m_statements, q, events, error);
}

bool HistoryStore::alarmReport(qint64 fromMs, qint64 toMs, AlarmReport *report, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    return AlarmReport::compute(m_db, fromMs, toMs, report, error);
}

bool HistoryStore::appendAudit(const QVector<AuditRecord> &records, QString *error)
{
    return transact([&](QString *why) { return AuditTrail::append(m_db, m_statements, records, why); }, error);
}

// A user's rows lie through the whole table, and a server takes reading
// them through the index of user and time for a page read at random each,
// so it reads the table in its order and sorts them instead. They lie in
// time order, which is the index's: told that a page costs it little more
// than the next one, it reads a year of a busy user in half the time.
bool HistoryStore::audit(const AuditQuery &query, QVector<AuditRecord> *records, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    if (!m_dialect.isPostgres())
        return AuditTrail::read(m_db, m_statements, query, records, error);
    return transact(
        [&](QString *why) {
            return exec(m_db, QStringLiteral("SET LOCAL random_page_cost = 1.1"), why)
                && AuditTrail::read(m_db, m_statements, query, records, why);
        },
        error);
}

bool HistoryStore::claimLease(const StoreLease &claim, StoreLease *lease, QString *error)
{
    return transact(
        [&](QString *why) { return StoreSharing::claim(m_db, m_statements, m_dialect, claim, lease, why); }, error);
}

bool HistoryStore::releaseLease(const QString &holder, QString *error)
{
    return transact([&](QString *why) { return StoreSharing::release(m_db, m_statements, holder, why); }, error);
}

bool HistoryStore::lease(StoreLease *lease, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    return StoreSharing::read(m_db, m_statements, m_dialect, lease, error);
}

bool HistoryStore::sendAlarmCommands(const QVector<AlarmCommand> &commands, QString *error)
{
    return transact([&](QString *why) { return StoreSharing::send(m_db, m_statements, commands, why); }, error);
}

bool HistoryStore::takeAlarmCommands(QVector<AlarmCommand> *commands, QString *error)
{
    return transact([&](QString *why) { return StoreSharing::take(m_db, m_statements, commands, why); }, error);
}

bool HistoryStore::transact(const std::function<bool(QString *)> &work, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    if (!m_db.transaction()) {
        *error = m_db.lastError().text();
        return false;
    }
    if (work(error)) {
        if (m_db.commit())
            return true;
        *error = m_db.lastError().text();
    }
    m_db.rollback();
    // Keys of points added in the transaction are gone with it, and so are
    // the passes it staged or folded.
    QString ignored;
    m_points.load(m_db, &ignored);
    m_staged.load(m_db, &ignored);
    m_newest.clear();
    return false;
}

// On SQLite a pass is staged. A server keeps pages of many points dirty in
// its own memory and writes them later, so that a pass goes straight in.
bool HistoryStore::write(const QVector<HistorySample> &samples, QString *error)
{
    if (m_dialect.isPostgres())
        return transact([&](QString *why) { return writeBatch(samples, why); }, error);
    return transact([&](QString *why) { return stage(samples, why); }, error);
}

// Imported samples may be of any time: they go straight in, after what is
// staged, so that a staged sample never shadows an imported one.
bool HistoryStore::importSamples(const QVector<HistorySample> &samples, QString *error)
{
    return transact([&](QString *why) { return fold(why) && writeBatch(samples, why); }, error);
}

bool HistoryStore::writeBatch(const QVector<HistorySample> &samples, QString *error)
{
    return HistoryBatch(m_db, m_dialect, m_points, m_statements).write(samples, error);
}

bool HistoryStore::stage(const QVector<HistorySample> &samples, QString *error)
{
    QVector<StagedPasses::Sample> keyed;
    keyed.reserve(samples.size());
    for (const HistorySample &s : samples) {
        const int point = m_points.ensure(m_db, s.point, error);
        if (point < 0)
            return false;
        keyed.append({point, s.timeMs, s.value, s.quality});
    }
    bool newer = false;
    if (!allNewer(keyed, &newer, error))
        return false;
    // A time a point holds already (a clock set back) replaces a sample; the
    // batch sees to the rollups. Staged samples are thus always a point's
    // newest, and a read adds them to the others as they are.
    if (!newer) {
        m_newest.clear();
        return fold(error) && writeBatch(samples, error);
    }
    for (const StagedPasses::Sample &s : keyed)
        m_newest[s.point] = qMax(m_newest.value(s.point), s.timeMs);
    return m_staged.append(m_db, keyed, error) && (!m_staged.foldDue() || fold(error));
}

// Whether every sample is later than all of its point's held so far.
bool HistoryStore::allNewer(const QVector<StagedPasses::Sample> &samples, bool *newer, QString *error)
{
    // Asked only for points not asked before: a pass usually has none.
    QSqlQuery newest(m_db);
    *newer = false;
    for (const StagedPasses::Sample &s : samples) {
        auto held = m_newest.find(s.point);
        if (held == m_newest.end()) {
            if (newest.lastQuery().isEmpty())
                newest.prepare(QStringLiteral("SELECT max(t) FROM samples WHERE point = ?"));
            newest.bindValue(0, s.point);
            if (!newest.exec() || !newest.next()) {
                *error = newest.lastError().text();
                return false;
            }
            const QVariant t = newest.value(0);
            held = m_newest.insert(s.point, t.isNull() ? std::numeric_limits<qint64>::min() : t.toLongLong());
            newest.finish();
        }
        if (s.timeMs <= *held)
            return true;
    }
    *newer = true;
    return true;
}

// Whatever is staged, whoever staged it.
bool HistoryStore::fold(QString *error)
{
    QVector<StagedPasses::Sample> staged;
    if (!m_staged.readAll(m_db, &staged, error))
        return false;
    QVector<HistorySample> samples;
    samples.reserve(staged.size());
    QVector<HistoryBatch::Row> rows;
    rows.reserve(staged.size());
    for (const StagedPasses::Sample &s : staged) {
        samples.append({QString(), s.timeMs, s.value, s.quality});
        rows.append({s.point, &samples.last()});
    }
    return HistoryBatch(m_db, m_dialect, m_points, m_statements).writeRows(rows, error)
        && m_staged.clear(m_db, error);
}

// A server is written directly: nothing is ever staged there.
QVector<StagedPasses::Sample> HistoryStore::staged(int point, qint64 fromMs, qint64 toMs, QString *error)
{
    QVector<StagedPasses::Sample> result;
    if (!m_dialect.isPostgres())
        m_staged.read(m_db, point, fromMs, toMs, &result, error);
    return result;
}

QVector<HistorySample> HistoryStore::samples(const QString &point, qint64 fromMs, qint64 toMs, QString *error)
{
    QVector<HistorySample> result;
    if (!isOpen()) {
        *error = notOpen();
        return result;
    }
    const int key = m_points.find(m_db, point, error);
    if (key < 0)
        return result;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT t, value, quality FROM samples WHERE point = ? AND t >= ? AND t < ?"
                                 " ORDER BY t"));
    query.addBindValue(key);
    query.addBindValue(fromMs);
    query.addBindValue(toMs);
    if (!exec(query, error))
        return result;
    while (query.next()) {
        const auto quality = HistorySample::Quality(query.value(2).toInt());
        result.append({point, query.value(0).toLongLong(), m_dialect.decode(query.value(1)), quality});
    }
    if (query.lastError().isValid()) {
        *error = query.lastError().text();
        return {};
    }
    const QVector<StagedPasses::Sample> recent = staged(key, fromMs, toMs, error);
    if (recent.isEmpty())
        return error->isEmpty() ? result : QVector<HistorySample>();
    // Staged samples are newer than the point's others.
    for (const StagedPasses::Sample &s : recent)
        result.append({point, s.timeMs, s.value, s.quality});
    return result;
}

QVector<HistoryStep> HistoryStore::steps(const QString &point, qint64 fromMs, qint64 toMs, int steps,
                                         QString *error)
{
    QVector<HistoryStep> result;
    if (!isOpen()) {
        *error = notOpen();
        return result;
    }
    if (steps < 1 || toMs <= fromMs)
        return result;
    const qint64 width = (toMs - fromMs + steps - 1) / steps;
    result.resize(steps);
    for (int i = 0; i < steps; ++i)
        result[i] = {fromMs + i * width, qQNaN(), qQNaN(), qQNaN(), 0};
    const int key = m_points.find(m_db, point, error);
    if (key < 0)
        return error->isEmpty() ? result : QVector<HistoryStep>();

    // Raw samples serve while they are fewer than the steps, and always
    // below a minute. Older than the retention they may be gone while
    // their rollups are not.
    const QVector<StagedPasses::Sample> recent = staged(key, fromMs, toMs, error);
    if (!error->isEmpty())
        return {};
    const bool rawKept = m_retentionDays <= 0
        || fromMs >= QDateTime::currentMSecsSinceEpoch() - m_retentionDays * kDayMs;
    bool few = false;
    if (rawKept && width >= RollupDeltas::kMinuteMs
        && !rawCountBelow(key, fromMs, toMs, steps - recent.size(), &few, error))
        return {};
    const bool read = width < RollupDeltas::kMinuteMs || few ? rawSteps(key, fromMs, toMs, width, &result, error)
                                                              : rollupSteps(key, fromMs, toMs, width, &result, error);
    if (!read)
        return {};
    for (const StagedPasses::Sample &s : recent) {
        if (s.quality == HistorySample::Quality::Good && !qIsNaN(s.value))
            addToStep(&result[qBound(0, int((s.timeMs - fromMs) / width), steps - 1)], s.value);
    }
    return result;
}

bool HistoryStore::rawSteps(int point, qint64 fromMs, qint64 toMs, qint64 width, QVector<HistoryStep> *steps,
                            QString *error)
{
    const QString value = m_dialect.valueExpression();
    return groupedSteps(QStringLiteral("SELECT (t - ?) / ?, min(%1), max(%1), sum(%1), count(*) FROM samples"
                                       " WHERE point = ? AND t >= ? AND t < ? AND quality = 0 AND value IS NOT NULL"
                                       " GROUP BY 1")
                            .arg(value),
                        {fromMs, width, point, fromMs, toMs}, steps, error);
}

// A bucket that begins before fromMs counts in the first step. PostgreSQL
// groups the rows itself faster than they travel to be grouped here;
// SQLite reads them in time order several times faster than it groups them.
bool HistoryStore::rollupSteps(int point, qint64 fromMs, qint64 toMs, qint64 width, QVector<HistoryStep> *steps,
                               QString *error)
{
    const bool hours = width >= RollupDeltas::kHourMs;
    const qint64 from = RollupDeltas::bucketStart(fromMs, hours ? RollupDeltas::kHourMs : RollupDeltas::kMinuteMs);
    const QString table = hours ? QStringLiteral("rollup_hour") : QStringLiteral("rollup_minute");
    if (m_dialect.isPostgres()) {
        return groupedSteps(QStringLiteral("SELECT (t - ?) / ?, min(mn), max(mx), sum(sm), sum(n) FROM %1"
                                           " WHERE point = ? AND t >= ? AND t < ? GROUP BY 1")
                                .arg(table),
                            {fromMs, width, point, from, toMs}, steps, error);
    }
    const int last = steps->size() - 1;
    double sum = 0;
    int summed = -1;
    const auto add = [&](const ResultRow &row) {
        const int i = int(qBound(qint64(0), (row.integer(0) - fromMs) / width, qint64(last)));
        HistoryStep &step = (*steps)[i];
        if (i != summed) {
            summed = i;
            sum = 0;
        }
        step.min = step.count ? qMin(step.min, row.real(1)) : row.real(1);
        step.max = step.count ? qMax(step.max, row.real(2)) : row.real(2);
        step.count += row.integer(4);
        sum += row.real(3);
        step.avg = sum / double(step.count);
    };
    const QString sql = QStringLiteral("SELECT t, mn, mx, sm, n FROM %1 WHERE point = ? AND t >= ? AND t < ?"
                                       " ORDER BY t")
                            .arg(table);
    return m_statements.forEachRow(m_db, sql, {point, from, toMs}, add, error);
}

// sql answers one row per step: its index, min, max, sum and count.
bool HistoryStore::groupedSteps(const QString &sql, const QVector<QVariant> &values, QVector<HistoryStep> *steps,
                                QString *error)
{
    const auto add = [steps](const ResultRow &row) {
        HistoryStep &step = (*steps)[int(qBound(qint64(0), row.integer(0), qint64(steps->size() - 1)))];
        step.min = row.real(1);
        step.max = row.real(2);
        step.count = row.integer(4);
        step.avg = row.real(3) / double(step.count);
    };
    return m_statements.forEachRow(m_db, sql, values, add, error);
}

bool HistoryStore::rawCountBelow(int point, qint64 fromMs, qint64 toMs, int limit, bool *below, QString *error)
{
    if (limit <= 0) {
        *below = false;
        return true;
    }
    qint64 count = limit;
    const bool counted = m_statements.forEachRow(
        m_db,
        QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM samples WHERE point = ? AND t >= ? AND t < ? LIMIT ?) AS s"),
        {point, fromMs, toMs, limit}, [&count](const ResultRow &row) { count = row.integer(0); }, error);
    *below = count < limit;
    return counted;
}

bool HistoryStore::lastBefore(const QString &point, qint64 beforeMs, HistorySample *sample, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    const int key = m_points.find(m_db, point, error);
    if (key < 0)
        return false;
    // Staged samples are newer than the point's others.
    const QVector<StagedPasses::Sample> recent = staged(key, 0, beforeMs, error);
    if (!recent.isEmpty()) {
        *sample = {point, recent.last().timeMs, recent.last().value, recent.last().quality};
        return true;
    }
    if (!error->isEmpty())
        return false;
    bool found = false;
    const auto take = [&](const ResultRow &row) {
        found = true;
        *sample = {point, row.integer(0), row.integer(2) ? qQNaN() : row.real(1), HistorySample::Quality(row.integer(3))};
    };
    return m_statements.forEachRow(m_db,
                                   QStringLiteral("SELECT t, %1, value IS NULL, quality FROM samples"
                                                  " WHERE point = ? AND t < ? ORDER BY t DESC LIMIT 1")
                                       .arg(m_dialect.valueExpression()),
                                   {key, beforeMs}, take, error)
        && found;
}

HistoryGaps HistoryStore::gaps(const QString &point, qint64 fromMs, qint64 toMs, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return {};
    }
    const int key = m_points.find(m_db, point, error);
    if (key < 0 || toMs <= fromMs)
        return {};
    GapFinder finder(m_db, m_statements, m_dialect, key, fromMs, toMs);
    if (!finder.read(error))
        return {};
    const QVector<StagedPasses::Sample> recent = staged(key, fromMs, toMs, error);
    if (!error->isEmpty())
        return {};
    for (const StagedPasses::Sample &s : recent)
        finder.add({s.timeMs, s.quality != HistorySample::Quality::Good});
    return finder.gaps();
}

QStringList HistoryStore::points(QString *error)
{
    QStringList result;
    if (!isOpen()) {
        *error = notOpen();
        return result;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM points ORDER BY name"))) {
        *error = query.lastError().text();
        return result;
    }
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

bool HistoryStore::stats(HistoryStats *stats, QString *error)
{
    if (!isOpen()) {
        *error = notOpen();
        return false;
    }
    // The first and last times per point come from the key's order; over
    // all samples at once they would take a scan.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT (SELECT count(*) FROM points), (SELECT count(*) FROM samples),"
                                   " min((SELECT min(t) FROM samples s WHERE s.point = p.id)),"
                                   " max((SELECT max(t) FROM samples s WHERE s.point = p.id)) FROM points p"))
        || !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    *stats = HistoryStats();
    stats->points = query.value(0).toLongLong();
    stats->samples = query.value(1).toLongLong();
    stats->firstMs = query.value(2).toLongLong();
    stats->lastMs = query.value(3).toLongLong();
    query.clear();
    if (!m_staged.load(m_db, error))
        return false;
    if (m_staged.count()) {
        stats->firstMs = stats->samples ? qMin(stats->firstMs, m_staged.firstMs()) : m_staged.firstMs();
        stats->lastMs = stats->samples ? qMax(stats->lastMs, m_staged.lastMs()) : m_staged.lastMs();
        stats->samples += m_staged.count();
    }
    stats->bytes = bytesOnDisk(error);
    return stats->bytes >= 0;
}

qint64 HistoryStore::bytesOnDisk(QString *error)
{
    if (!m_dialect.isPostgres())
        return QFileInfo(m_path).size() + QFileInfo(m_path + QStringLiteral("-wal")).size();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT sum(pg_total_relation_size(c::regclass)) FROM unnest(ARRAY['points',"
                                   " 'samples', 'rollup_minute', 'rollup_hour', 'recent', 'alarm_journal',"
                                   " 'alarm_state', 'audit', 'schema_version']) AS c"))
        || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toLongLong();
}

bool HistoryStore::purge(qint64 nowMs, QString *error)
{
    struct Cut
    {
        const char *table;
        int days;
        qint64 bucketMs; // only buckets that end before the cut go
    };
    const Cut cuts[] = {{"samples", m_retentionDays, 1},
                        {"rollup_minute", m_rollupDays, RollupDeltas::kMinuteMs},
                        {"rollup_hour", m_rollupDays, RollupDeltas::kHourMs}};
    return transact(
        [&](QString *why) {
            if (!m_points.load(m_db, why))
                return false;
            for (const Cut &cut : cuts) {
                if (cut.days <= 0)
                    continue;
                // Point by point, so that each delete walks the key.
                const qint64 before = nowMs - cut.days * kDayMs - cut.bucketMs + 1;
                QSqlQuery query(m_db);
                query.prepare(QStringLiteral("DELETE FROM %1 WHERE point = ? AND t < ?").arg(QLatin1String(cut.table)));
                for (int key : m_points.keys()) {
                    query.addBindValue(key);
                    query.addBindValue(before);
                    if (!exec(query, why))
                        return false;
                }
            }
            return purgeJournal(nowMs, why);
        },
        error);
}

// The only change the program ever makes to the journal: whole days older
// than the rollups' go, so that a day's alarm report stays whole.
bool HistoryStore::purgeJournal(qint64 nowMs, QString *error)
{
    if (m_rollupDays <= 0)
        return true;
    const qint64 cut = nowMs - m_rollupDays * kDayMs;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("DELETE FROM alarm_journal WHERE t < ?"));
    query.addBindValue(cut - (cut % kDayMs + kDayMs) % kDayMs);
    return exec(query, error);
}
