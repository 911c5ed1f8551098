#include "historywriter.h"

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const int kRetryMs = 3000;
const int kPurgeEveryMs = 24 * 60 * 60 * 1000;
// A store back after a long outage takes its backlog in transactions of
// this size, each kept once committed.
const int kSamplesPerTransaction = 50000;
// A store failing again within this time of coming back (a full disk that
// frees a little at each reopen, a server restarting over and over) is
// reported back only once it has been written this long without a failure,
// so that the log does not fill with its flapping.
const int kSteadyMs = 60000;
// Alarm events kept while the store is away before the oldest go.
const qint64 kAlarmEventsKept = 100000;
// Audit rows written at once when many wait.
const int kAuditPerTransaction = 10000;
// How often a station that does not record looks at the store, and the
// most points whose latest values it reads each time.
const int kWatchMs = 1000;
const int kValuesRead = 100;

// Writes what buffer holds through write, at most perTransaction items a
// transaction, each batch dropped from it once committed; false, with
// why, at the first that fails.
template <typename Item, typename Write>
bool drain(std::deque<Item> *buffer, int perTransaction, Write write, QString *error)
{
    while (!buffer->empty()) {
        const size_t count = std::min(buffer->size(), size_t(perTransaction));
        const QVector<Item> batch(buffer->cbegin(), buffer->cbegin() + qint64(count));
        if (!write(batch, error))
            return false;
        buffer->erase(buffer->begin(), buffer->begin() + qint64(count));
    }
    return true;
}

} // namespace

HistoryWriter::HistoryWriter(const StoreRecord &store, const QString &projectDir, int retentionDays, int rollupDays,
                             int capacity, const StoreLease &claim, bool takeOver)
    : m_record(store)
    , m_projectDir(projectDir)
    , m_retentionDays(retentionDays)
    , m_rollupDays(rollupDays)
    , m_capacity(std::max(1, capacity))
    , m_claim(claim)
    , m_takeOver(takeOver)
{
    m_store.setGiveUp(&m_givingUp);
}

void HistoryWriter::start()
{
    m_retry = new QTimer(this);
    m_retry->setInterval(kRetryMs);
    connect(m_retry, &QTimer::timeout, this, &HistoryWriter::flush);
    m_daily = new QTimer(this);
    m_daily->setInterval(kPurgeEveryMs);
    connect(m_daily, &QTimer::timeout, this, [this] {
        m_purgeDue = true;
        flush();
    });
    m_daily->start();
    m_watch = new QTimer(this);
    m_watch->setInterval(kWatchMs);
    connect(m_watch, &QTimer::timeout, this, &HistoryWriter::watch);
    m_steady = new QTimer(this);
    m_steady->setSingleShot(true);
    m_steady->setInterval(kSteadyMs);
    connect(m_steady, &QTimer::timeout, this, &HistoryWriter::recovered);
    flush();
}

void HistoryWriter::append(const QVector<HistorySample> &samples)
{
    m_buffer.insert(m_buffer.end(), samples.cbegin(), samples.cend());
    if (m_buffer.size() > size_t(m_capacity)) {
        const size_t excess = m_buffer.size() - size_t(m_capacity);
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + qint64(excess));
        m_dropped += qint64(excess);
        emit dropped(m_dropped);
    }
    flush();
}

void HistoryWriter::appendAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states)
{
    m_alarms.push_back({events, states});
    m_alarmEvents += events.size();
    while (m_alarmEvents > kAlarmEventsKept && m_alarms.size() > 1) {
        m_alarmEvents -= m_alarms.front().events.size();
        emit warning(tr("Historia niedostępna: nie zapisano zdarzeń alarmów: %1").arg(m_alarms.front().events.size()));
        m_alarms.pop_front();
    }
    flush();
}

// Written before the samples: they are few and matter most.
bool HistoryWriter::flushAlarms()
{
    while (!m_alarms.empty()) {
        QString error;
        if (!m_store.writeAlarms(m_alarms.front().events, m_alarms.front().states, &error)) {
            return storeFailed(error);
        }
        m_alarmEvents -= m_alarms.front().events.size();
        m_alarms.pop_front();
    }
    return true;
}

void HistoryWriter::appendAudit(const QVector<AuditRecord> &records)
{
    m_audit.insert(m_audit.end(), records.cbegin(), records.cend());
    flush();
}

void HistoryWriter::appendCommands(const QVector<AlarmCommand> &commands)
{
    m_commands += commands;
    flush();
}

void HistoryWriter::finish()
{
    if (!m_retry->isActive()) // a store known away is not tried again
        flush();
    QString error;
    if (m_holding && m_store.isOpen() && !m_store.releaseLease(m_claim.holder, &error))
        emit warning(error);
    m_watch->stop();
    emit unwritten(qint64(m_buffer.size()) + m_alarmEvents + qint64(m_audit.size()) + m_commands.size());
    m_buffer.clear();
    m_alarms.clear();
    m_audit.clear();
    m_commands.clear();
    m_retry->stop();
    m_daily->stop();
    m_steady->stop();
    m_store.close();
    thread()->quit();
}

void HistoryWriter::flush()
{
    if (!ensureOpen() || !holdLease() || !flushAlarms())
        return;
    const auto audit
        = [this](const QVector<AuditRecord> &batch, QString *why) { return m_store.appendAudit(batch, why); };
    const auto samples
        = [this](const QVector<HistorySample> &batch, QString *why) { return m_store.write(batch, why); };
    QString error;
    const bool written = drain(&m_audit, kAuditPerTransaction, audit, &error)
        && (m_commands.isEmpty() || m_store.sendAlarmCommands(std::exchange(m_commands, {}), &error))
        && drain(&m_buffer, kSamplesPerTransaction, samples, &error);
    if (!written) {
        storeFailed(error);
        return;
    }
    if (m_purgeDue)
        purge();
    if (!m_failing)
        return;
    m_retry->stop();
    if (m_sinceRecovery.isValid() && m_sinceRecovery.elapsed() < kSteadyMs) {
        if (!m_steady->isActive())
            m_steady->start();
    } else {
        recovered();
    }
}

// Whether the steady time ran out or a write came after it: said once.
void HistoryWriter::recovered()
{
    m_steady->stop();
    m_failing = false;
    m_sinceRecovery.start();
    emit available();
}

bool HistoryWriter::ensureOpen()
{
    if (m_store.isOpen())
        return true;
    QString error;
    if (!m_store.open(m_record, m_projectDir, m_retentionDays, m_rollupDays, &error)) {
        fail(error);
        return false;
    }
    if (!m_store.lastWarning().isEmpty())
        emit warning(m_store.lastWarning());
    return m_statesRead || !m_claim.isFree() || readStates();
}

bool HistoryWriter::readStates()
{
    QVector<AlarmSnapshot> states;
    QString error;
    if (!m_store.alarmStates(&states, &error)) {
        return storeFailed(error);
    }
    m_statesRead = true;
    emit alarmStatesRead(states);
    return true;
}

// False only when the store failed. A lease newly taken starts from the
// alarm states the engine before kept, and every renewal collects the
// actions other stations sent.
bool HistoryWriter::holdLease()
{
    if (m_claim.isFree())
        return true;
    StoreLease lease;
    QString error;
    const bool read = m_holding || m_takeOver ? m_store.claimLease(m_claim, &lease, &error)
                                              : m_store.lease(&lease, &error);
    if (!read) {
        return storeFailed(error);
    }
    if (!lease.isHeldBy(m_claim))
        return refused(lease);
    if (!m_holding) {
        if (!readStates())
            return false;
        m_holding = true;
        m_watching = false;
        m_refusedBy.clear();
        emit leaseHeld();
    }
    if (!m_watch->isActive())
        m_watch->start();
    return takeCommands();
}

bool HistoryWriter::takeCommands()
{
    QVector<AlarmCommand> commands;
    QString error;
    if (!m_store.takeAlarmCommands(&commands, &error)) {
        return storeFailed(error);
    }
    if (!commands.isEmpty())
        emit alarmCommands(commands);
    return true;
}

// Every second: the engine that records takes the actions stations sent,
// so that an acknowledgement shows without waiting for the next pass; any
// other looks at the store.
void HistoryWriter::watch()
{
    if (!m_holding)
        flush();
    else if (ensureOpen())
        takeCommands();
}

// What this engine read while another one records is not written: that
// one recorded it.
bool HistoryWriter::refused(const StoreLease &lease)
{
    m_buffer.clear();
    m_alarms.clear();
    m_alarmEvents = 0;
    if (!m_watching || lease.holder != m_refusedBy) {
        m_holding = false;
        m_watching = true;
        m_statesSeen = false;
        m_refusedBy = lease.holder;
        emit leaseRefused(lease);
    }
    if (!m_watch->isActive())
        m_watch->start();
    emit leaseSeen(lease);
    QVector<AlarmSnapshot> states;
    QString error;
    PointValues values;
    if (!m_store.alarmStates(&states, &error) || !readValues(states, lease.readMs, &values, &error)) {
        return storeFailed(error);
    }
    if (!m_statesSeen || states != m_seenStates || values != m_seenValues) {
        m_statesSeen = true;
        m_seenStates = states;
        m_seenValues = values;
        emit storeStates(states, values);
    }
    return true;
}

// The points of the alarms kept, a communication alarm's controller aside
// (it has no samples); at most kValuesRead of them, so that a flood of
// alarms cannot make the look every second a long one.
bool HistoryWriter::readValues(const QVector<AlarmSnapshot> &states, qint64 nowMs, PointValues *values,
                               QString *error)
{
    for (const AlarmSnapshot &s : states) {
        if (values->size() >= kValuesRead || values->contains(s.point))
            continue;
        HistorySample sample;
        if (m_store.lastBefore(s.point, nowMs + 1, &sample, error))
            values->insert(s.point, sample.quality == HistorySample::Quality::Good ? sample.value : qQNaN());
        else if (!error->isEmpty())
            return false;
    }
    return true;
}

// The connection may be gone (a server restarted): it is opened anew.
bool HistoryWriter::storeFailed(const QString &reason)
{
    m_store.close();
    fail(reason);
    return false;
}

void HistoryWriter::fail(const QString &reason)
{
    m_steady->stop();
    if (!m_failing) {
        m_failing = true;
        emit unavailable(reason, QDateTime::currentDateTimeUtc());
    }
    m_retry->start();
}

void HistoryWriter::purge()
{
    QString error;
    if (m_store.purge(QDateTime::currentMSecsSinceEpoch(), &error))
        m_purgeDue = false;
    else
        emit warning(error);
}
