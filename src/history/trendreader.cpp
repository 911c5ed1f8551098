#include "trendreader.h"

#include "storeread.h"


TrendReader::TrendReader(const MonitoringRecord &record, const QString &projectDir, QObject *parent)
    : QObject(parent)
    , m_record(record)
    , m_projectDir(projectDir)
{
    qRegisterMetaType<TrendRequest>();
    qRegisterMetaType<TrendResult>();
}

void TrendReader::serve(const TrendRequest &request)
{
    if (request.serial != m_wanted.load())
        return;
    emit ready(read(request));
}

TrendResult TrendReader::read(const TrendRequest &request)
{
    TrendResult result;
    result.request = request;
    QString why;
    if (!m_store.isOpen()
        && !m_store.openForReading(m_record.store, m_projectDir, m_record.retentionDays, m_record.rollupDays, &why)) {
        result.error = StoreRead::unavailable(why);
        return result;
    }
    for (const QString &point : request.points) {
        TrendSeries series;
        if (!readSeries(point, request, &series, &why)) {
            // The next request opens the store again: the server may be back.
            m_store.close();
            result.series.clear();
            result.error = StoreRead::unavailable(why);
            return result;
        }
        result.series.append(series);
    }
    return result;
}

bool TrendReader::readSeries(const QString &point, const TrendRequest &request, TrendSeries *series, QString *error)
{
    series->point = point;
    series->steps = m_store.steps(point, request.fromMs, request.toMs, request.columns, error);
    if (!error->isEmpty())
        return false;
    series->gaps = m_store.gaps(point, request.fromMs, request.toMs, error);
    if (!error->isEmpty())
        return false;
    if (!m_store.lastBefore(point, request.fromMs, &series->before, error) && !error->isEmpty())
        return false;
    AlarmJournalQuery query;
    query.fromMs = request.fromMs;
    query.toMs = request.toMs;
    query.point = point;
    query.events = {AlarmEvent::Event::Raised};
    query.limit = kMostRaises;
    QVector<AlarmEvent> raised;
    if (!m_store.journal(query, &raised, error))
        return false;
    for (const AlarmEvent &e : raised)
        series->raisedMs.append(e.timeMs);
    return true;
}
