#include "trendlane.h"

#include "trendreader.h"

#include <QtConcurrent>

TrendLane::TrendLane(const MonitoringRecord &record, const QString &projectDir)
    : m_record(record)
    , m_projectDir(projectDir)
{
    // One thread, kept: the store's connection belongs to it.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

TrendLane::~TrendLane()
{
    QtConcurrent::run(&m_pool, [this] { m_store.close(); }).waitForFinished();
}

QFuture<TrendLane::Outcome> TrendLane::read(const QStringList &points, const TrendRequest &request)
{
    return QtConcurrent::run(&m_pool, [this, points, request] { return readAll(points, request); });
}

TrendLane::Outcome TrendLane::readAll(const QStringList &points, const TrendRequest &request)
{
    Outcome outcome;
    if (!TrendReader::readSeries(&m_store, m_record, m_projectDir, points, request, &outcome.series, &outcome.error))
        outcome.series.clear();
    return outcome;
}
