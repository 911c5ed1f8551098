#pragma once

#include "alarmsnapshot.h"

#include <QString>
#include <QVector>

class QSqlDatabase;

// The alarm load over fromMs <= time < toMs, measured as alarm management
// measures it: only raises count as alarms, in 10-minute periods aligned
// to UTC (a period cut by either end counts whole).
struct AlarmReport
{
    static constexpr qint64 kPeriodMs = 10 * 60 * 1000;
    static constexpr int kFloodAlarms = 10; // raised in one period
    static constexpr qint64 kChatterMs = 60 * 1000;
    static constexpr qint64 kStaleMs = 24 * 3600 * 1000LL;
    static constexpr int kMostFrequent = 10;

    // An alarm and how often it did what its list counts.
    struct Alarm
    {
        QString point;
        QString kind;
        QString text; // as last raised in the range
        qint64 count = 0;
    };
    // A raise not cleared within kStaleMs (or, still active at toMs, raised
    // more than kStaleMs before it).
    struct Stale
    {
        QString point;
        QString kind;
        QString text;
        qint64 raisedMs = 0;
    };

    qint64 fromMs = 0;
    qint64 toMs = 0;
    qint64 alarms = 0;
    qint64 periods = 0;
    qint64 floodPeriods = 0;
    qint64 peakCount = 0;
    qint64 peakStartMs = 0; // the earliest period of the peak
    QVector<Alarm> mostFrequent; // most first, then by point and kind
    // count: the raises that are the third or later within kChatterMs of
    // the raise two before; most first.
    QVector<Alarm> chattering;
    QVector<Stale> stale; // oldest first
    qint64 byPriority[4] = {0, 0, 0, 0}; // priorities 1 to 4
    qint64 shelvedEvents = 0;
    qint64 outOfServiceEvents = 0;
    // As kept now, whatever the range.
    QVector<AlarmSnapshot> shelvedNow;
    QVector<AlarmSnapshot> outOfServiceNow;

    double perPeriod() const { return periods ? double(alarms) / double(periods) : 0; }
    double floodShare() const { return periods ? double(floodPeriods) / double(periods) : 0; }
    // The classes' shares of the alarms, against the targets of 80, 15 and 5 %.
    double lowShare() const { return share(byPriority[3]); }
    double mediumShare() const { return share(byPriority[2]); }
    double highShare() const { return share(byPriority[0] + byPriority[1]); }

    // Computed on a store's connection; false when a query fails.
    static bool compute(QSqlDatabase &db, qint64 fromMs, qint64 toMs, AlarmReport *report, QString *error);

private:
    double share(qint64 n) const { return alarms ? double(n) / double(alarms) : 0; }
};
