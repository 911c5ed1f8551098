#pragma once

#include <QtGlobal>

#include <map>
#include <utility>

// What a batch of new good values adds to the minute and hour rollups,
// gathered in memory so that each bucket is written once per batch.
class RollupDeltas
{
public:
    static const qint64 kMinuteMs = 60 * 1000;
    static const qint64 kHourMs = 60 * kMinuteMs;

    struct Aggregate
    {
        double min = 0;
        double max = 0;
        double sum = 0;
        qint64 count = 0;
        void add(double value);
        void merge(const Aggregate &other);
    };
    // (point key, bucket start), in the order of the tables' keys.
    using Key = std::pair<int, qint64>;
    using Buckets = std::map<Key, Aggregate>;

    static qint64 bucketStart(qint64 timeMs, qint64 widthMs);

    void add(int point, qint64 timeMs, double value);
    const Buckets &minutes() const { return m_minutes; }
    // The hours the minutes fall in, computed on each call.
    Buckets hours() const;

private:
    Buckets m_minutes;
};
