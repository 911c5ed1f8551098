#pragma once

#include "historystore.h"
#include "monitoringrecord.h"
#include "trendlane.h"
#include "trendrequest.h"

#include <QObject>

#include <atomic>
#include <memory>

// Reads trends from the project's store, beside the recorder, on the
// thread it lives on: the store is opened for reading at the first request
// and kept open. A request older than the one last wanted is dropped
// unread, so that a quick run of zoom steps costs one query. The pens of
// a trend are read half here and half on a lane of their own.
class TrendReader : public QObject
{
    Q_OBJECT

public:
    // Marks of raised alarms a point shows at most over one range.
    static constexpr int kMostRaises = 2000;

    TrendReader(const MonitoringRecord &record, const QString &projectDir, QObject *parent = nullptr);

    // Safe from any thread.
    void want(int serial) { m_wanted.store(serial); }
    // Synchronous, on the reader's thread.
    TrendResult read(const TrendRequest &request);
    // The series of points, read from store (opened for reading first if
    // it is not open); false, with why and the store closed, when it
    // cannot be read.
    static bool readSeries(HistoryStore *store, const MonitoringRecord &record, const QString &projectDir,
                           const QStringList &points, const TrendRequest &request, QVector<TrendSeries> *series,
                           QString *why);

public slots:
    void serve(const TrendRequest &request);

signals:
    void ready(const TrendResult &result);

private:
    static bool readOne(HistoryStore *store, const QString &point, const TrendRequest &request, TrendSeries *series,
                        QString *error);

    MonitoringRecord m_record;
    QString m_projectDir;
    HistoryStore m_store;
    std::unique_ptr<TrendLane> m_lane; // made for the first trend of several pens
    std::atomic<int> m_wanted{0};
};
