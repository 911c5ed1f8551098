#pragma once

#include "historystore.h"
#include "monitoringrecord.h"
#include "trendrequest.h"

#include <QFuture>
#include <QThreadPool>

// A second connection to the store, on a thread of its own, so that the
// pens of a trend are read on two connections at once: on a server most
// of a read is waiting for it.
class TrendLane
{
public:
    struct Outcome
    {
        QVector<TrendSeries> series; // in the order of the points asked
        QString error; // why the store could not be read
    };

    TrendLane(const MonitoringRecord &record, const QString &projectDir);
    ~TrendLane();
    TrendLane(const TrendLane &) = delete;
    TrendLane &operator=(const TrendLane &) = delete;

    QFuture<Outcome> read(const QStringList &points, const TrendRequest &request);

private:
    Outcome readAll(const QStringList &points, const TrendRequest &request);

    MonitoringRecord m_record;
    QString m_projectDir;
    HistoryStore m_store; // used only on m_pool's one thread
    QThreadPool m_pool;
};
