#pragma once

#include "trendrequest.h"

#include <QPolygonF>
#include <QVector>

// How one pen is drawn from its series: lines in (UTC ms, value), one min to
// max stroke per step, broken wherever the record had no good value. A
// series recorded on change has steps without samples while the value held;
// those are joined, unless longer than absenceMs (then nothing was recorded
// at all: the program was not running). The value recorded last before the
// range holds from its left edge.
class TrendTrace
{
public:
    struct Reading
    {
        bool known = false;
        double min = 0;
        double max = 0;
    };

    // absenceMs 0: a stretch without samples is never taken for a gap.
    TrendTrace(const TrendSeries &series, qint64 fromMs, qint64 toMs, qint64 absenceMs, bool logic);

    QVector<QPolygonF> lines() const;
    // What was recorded at timeMs: its step's values, or those held from
    // the step before; unknown in a gap, even one narrower than its step.
    Reading valueAt(qint64 timeMs) const;
    // The smallest and largest good value drawn; false when none.
    bool range(double *min, double *max) const;

private:
    bool broken(int a, int b) const;
    bool holdsBefore() const;
    qint64 heldUntil(qint64 limitMs) const;
    bool inGap(qint64 timeMs) const;
    int previousWithData(int column) const;
    double x(int column) const;
    void addColumn(QPolygonF *line, int column) const;

    const TrendSeries &m_series;
    qint64 m_fromMs;
    qint64 m_toMs;
    qint64 m_widthMs;
    qint64 m_absenceMs;
    bool m_logic;
};
