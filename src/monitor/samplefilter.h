#pragma once

#include "historysample.h"
#include "monitoringrecord.h"

#include <QHash>
#include <QVector>

// Decides which of a pass's readings are recorded. "interval" points: every
// one. "change" points: a value that moved by more than the deadband (any
// change for logic and int), a change of quality, and a reading at least
// every maxGap seconds, so that a flat line is told from a dead one.
class SampleFilter
{
public:
    void setPoints(const QList<MonitoringPoint> &points);
    QVector<HistorySample> recorded(const QVector<HistorySample> &readings);

private:
    struct Rule
    {
        bool always = false;
        bool anyChange = false;
        double deadband = 0;
        qint64 maxGapMs = 0;
    };

    bool worthRecording(const Rule &rule, const HistorySample &last, const HistorySample &now) const;

    QHash<QString, Rule> m_rules;
    QHash<QString, HistorySample> m_last; // the last recorded reading of each point
};
