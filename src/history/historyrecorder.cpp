#include "historyrecorder.h"

#include "historywriter.h"

namespace {

constexpr int kLeastBuffered = 10000; // samples

} // namespace

HistoryRecorder::HistoryRecorder(const StoreRecord &store, const QString &projectDir, int retentionDays,
                                 int rollupDays, int bufferCapacity, QObject *parent, const StoreLease &claim,
                                 bool takeOver)
    : QObject(parent)
    , m_writer(new HistoryWriter(store, projectDir, retentionDays, rollupDays, bufferCapacity, claim, takeOver))
{
    m_thread.setObjectName(QStringLiteral("history"));
    m_writer->moveToThread(&m_thread);
    qRegisterMetaType<QVector<AlarmSnapshot>>();
    qRegisterMetaType<QVector<AlarmCommand>>();
    qRegisterMetaType<StoreLease>();
    qRegisterMetaType<PointValues>();
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &HistoryWriter::unavailable, this, &HistoryRecorder::storeUnavailable);
    connect(m_writer, &HistoryWriter::available, this, &HistoryRecorder::storeAvailable);
    connect(m_writer, &HistoryWriter::warning, this, &HistoryRecorder::storeWarning);
    connect(m_writer, &HistoryWriter::alarmStatesRead, this, &HistoryRecorder::alarmStatesRead);
    connect(m_writer, &HistoryWriter::leaseHeld, this, &HistoryRecorder::leaseHeld);
    connect(m_writer, &HistoryWriter::leaseRefused, this, &HistoryRecorder::leaseRefused);
    connect(m_writer, &HistoryWriter::leaseSeen, this, &HistoryRecorder::leaseSeen);
    connect(m_writer, &HistoryWriter::storeStates, this, &HistoryRecorder::storeStates);
    connect(m_writer, &HistoryWriter::alarmCommands, this, &HistoryRecorder::alarmCommands);
    connect(m_writer, &HistoryWriter::dropped, this, [this](qint64 total) { m_dropped = total; });
    m_thread.start();
    QMetaObject::invokeMethod(m_writer, &HistoryWriter::start, Qt::QueuedConnection);
}

int HistoryRecorder::anHourOf(const MonitoringRecord &record)
{
    const int passesAnHour = (3600 + record.interval - 1) / record.interval;
    return qMax(kLeastBuffered, passesAnHour * int(record.points.size()));
}

HistoryRecorder::~HistoryRecorder()
{
    stop();
}

void HistoryRecorder::record(const QVector<HistorySample> &samples)
{
    if (!m_thread.isRunning() || samples.isEmpty())
        return;
    HistoryWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, samples] { writer->append(samples); }, Qt::QueuedConnection);
}

void HistoryRecorder::recordAlarms(const QVector<AlarmEvent> &events, const QVector<AlarmSnapshot> &states)
{
    if (!m_thread.isRunning() || (events.isEmpty() && states.isEmpty()))
        return;
    HistoryWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, events, states] { writer->appendAlarms(events, states); }, Qt::QueuedConnection);
}

void HistoryRecorder::recordAudit(const QVector<AuditRecord> &records)
{
    if (!m_thread.isRunning() || records.isEmpty())
        return;
    HistoryWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, records] { writer->appendAudit(records); }, Qt::QueuedConnection);
}

void HistoryRecorder::sendAlarmCommands(const QVector<AlarmCommand> &commands)
{
    if (!m_thread.isRunning() || commands.isEmpty())
        return;
    HistoryWriter *writer = m_writer;
    QMetaObject::invokeMethod(
        writer, [writer, commands] { writer->appendCommands(commands); }, Qt::QueuedConnection);
}

void HistoryRecorder::renewLease()
{
    if (m_thread.isRunning())
        QMetaObject::invokeMethod(m_writer, &HistoryWriter::renew, Qt::QueuedConnection);
}

qint64 HistoryRecorder::stop()
{
    if (!m_thread.isRunning())
        return 0;
    qint64 unwritten = 0;
    // Direct: the writer is gone once its thread ends.
    const auto told = connect(
        m_writer, &HistoryWriter::unwritten, this, [&unwritten](qint64 count) { unwritten = count; },
        Qt::DirectConnection);
    m_writer->giveUp();
    QMetaObject::invokeMethod(m_writer, &HistoryWriter::finish, Qt::QueuedConnection);
    m_thread.wait();
    disconnect(told);
    return unwritten;
}
