#pragma once

#include "alarmevent.h"
#include "historygap.h"
#include "historysample.h"
#include "historystep.h"

#include <QMetaType>
#include <QStringList>
#include <QVector>

// What a trend draws: its points over fromMs <= t < toMs, in columns steps
// (one per pixel column). serial tells a reply from an older one.
struct TrendRequest
{
    int serial = 0;
    QStringList points;
    qint64 fromMs = 0;
    qint64 toMs = 0;
    int columns = 0;
};

// One point of a trend as the store holds it.
struct TrendSeries
{
    QString point;
    QVector<HistoryStep> steps;
    HistoryGaps gaps;
    QVector<qint64> raisedMs; // when its alarms were raised
    // The last sample before the range, good or not: a value recorded on
    // change holds until the next one. timeMs 0: none.
    HistorySample before;
};

struct TrendResult
{
    TrendRequest request;
    QVector<TrendSeries> series; // in the order of request.points
    QString error;               // a sentence for the operator; empty on success
};

Q_DECLARE_METATYPE(TrendRequest)
Q_DECLARE_METATYPE(TrendResult)
