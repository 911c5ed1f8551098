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
    const int here = (request.points.size() + 1) / 2;
    const bool shared = here < request.points.size();
    QFuture<TrendLane::Outcome> there;
    if (shared) {
        if (!m_lane)
            m_lane = std::make_unique<TrendLane>(m_record, m_projectDir);
        there = m_lane->read(request.points.mid(here), request);
    }
    QString why;
    const bool read = readSeries(&m_store, m_record, m_projectDir, request.points.mid(0, here), request,
                                 &result.series, &why);
    const TrendLane::Outcome rest = shared ? there.result() : TrendLane::Outcome();
    if (!read || !rest.error.isEmpty()) {
        result.series.clear();
        result.error = StoreRead::unavailable(read ? rest.error : why);
        return result;
    }
    result.series += rest.series;
    return result;
}

bool TrendReader::readSeries(HistoryStore *store, const MonitoringRecord &record, const QString &projectDir,
                             const QStringList &points, const TrendRequest &request, QVector<TrendSeries> *series,
                             QString *why)
{
    if (!store->isOpen()
        && !store->openForReading(record.store, projectDir, record.retentionDays, record.rollupDays, why))
        return false;
    for (const QString &point : points) {
        TrendSeries one;
        if (!readOne(store, point, request, &one, why)) {
            // The next request opens the store again: the server may be back.
            store->close();
            return false;
        }
        series->append(one);
    }
    return true;
}

bool TrendReader::readOne(HistoryStore *store, const QString &point, const TrendRequest &request, TrendSeries *series,
                          QString *error)
{
    series->point = point;
    series->steps = store->steps(point, request.fromMs, request.toMs, request.columns, error);
    if (!error->isEmpty())
        return false;
    series->gaps = store->gaps(point, request.fromMs, request.toMs, error);
    if (!error->isEmpty())
        return false;
    if (!store->lastBefore(point, request.fromMs, &series->before, error) && !error->isEmpty())
        return false;
    AlarmJournalQuery query;
    query.fromMs = request.fromMs;
    query.toMs = request.toMs;
    query.point = point;
    query.events = {AlarmEvent::Event::Raised};
    query.limit = kMostRaises;
    QVector<AlarmEvent> raised;
    if (!store->journal(query, &raised, error))
        return false;
    for (const AlarmEvent &e : raised)
        series->raisedMs.append(e.timeMs);
    return true;
}
