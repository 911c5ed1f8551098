#include "rollupdeltas.h"

#include <algorithm>

void RollupDeltas::Aggregate::add(double value)
{
    min = count ? std::min(min, value) : value;
    max = count ? std::max(max, value) : value;
    sum += value;
    ++count;
}

void RollupDeltas::Aggregate::merge(const Aggregate &other)
{
    min = count ? std::min(min, other.min) : other.min;
    max = count ? std::max(max, other.max) : other.max;
    sum += other.sum;
    count += other.count;
}

qint64 RollupDeltas::bucketStart(qint64 timeMs, qint64 widthMs)
{
    // Floor, not truncation: a time before 1970 belongs to the bucket that
    // begins before it.
    const qint64 rest = timeMs % widthMs;
    return timeMs - (rest < 0 ? rest + widthMs : rest);
}

void RollupDeltas::add(int point, qint64 timeMs, double value)
{
    m_minutes[{point, bucketStart(timeMs, kMinuteMs)}].add(value);
}

RollupDeltas::Buckets RollupDeltas::hours() const
{
    Buckets result;
    for (const auto &minute : m_minutes)
        result[{minute.first.first, bucketStart(minute.first.second, kHourMs)}].merge(minute.second);
    return result;
}
