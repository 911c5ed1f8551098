#include "historyrecorder.h"

#include "historywriter.h"

HistoryRecorder::HistoryRecorder(const StoreRecord &store, const QString &projectDir, int retentionDays,
                                 int rollupDays, int bufferCapacity, QObject *parent)
    : QObject(parent)
    , m_writer(new HistoryWriter(store, projectDir, retentionDays, rollupDays, bufferCapacity))
{
    m_thread.setObjectName(QStringLiteral("history"));
    m_writer->moveToThread(&m_thread);
    qRegisterMetaType<QVector<AlarmSnapshot>>();
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &HistoryWriter::unavailable, this, &HistoryRecorder::storeUnavailable);
    connect(m_writer, &HistoryWriter::available, this, &HistoryRecorder::storeAvailable);
    connect(m_writer, &HistoryWriter::warning, this, &HistoryRecorder::storeWarning);
    connect(m_writer, &HistoryWriter::alarmStatesRead, this, &HistoryRecorder::alarmStatesRead);
    connect(m_writer, &HistoryWriter::dropped, this, [this](qint64 total) { m_dropped = total; });
    m_thread.start();
    QMetaObject::invokeMethod(m_writer, &HistoryWriter::start, Qt::QueuedConnection);
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
