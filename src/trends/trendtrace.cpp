#include "trendtrace.h"

#include <QtMath>

TrendTrace::TrendTrace(const TrendSeries &series, qint64 fromMs, qint64 toMs, qint64 absenceMs, bool logic)
    : m_series(series)
    , m_fromMs(fromMs)
    , m_toMs(toMs)
    , m_widthMs(series.steps.size() > 1 ? series.steps.at(1).startMs - series.steps.at(0).startMs
                                         : qMax<qint64>(1, toMs - fromMs))
    , m_absenceMs(absenceMs)
    , m_logic(logic)
{
}

// A switch is drawn where its step begins, a measured value in the middle
// of its step.
double TrendTrace::x(int column) const
{
    const qint64 start = m_series.steps.at(column).startMs;
    return double(m_logic ? start : start + m_widthMs / 2);
}

// A gap that began before the second step and ended after the first one
// lies between their values; one that begins and ends within a step is
// narrower than it, and shows no more than its step does.
bool TrendTrace::broken(int a, int b) const
{
    const qint64 firstEnd = m_series.steps.at(a).startMs + m_widthMs;
    const qint64 secondStart = m_series.steps.at(b).startMs;
    if (m_absenceMs > 0 && secondStart - firstEnd > m_absenceMs)
        return true;
    for (const HistoryGap &g : m_series.gaps) {
        if (g.startMs < secondStart && g.endMs > firstEnd)
            return true;
    }
    return false;
}

void TrendTrace::addColumn(QPolygonF *line, int column) const
{
    const HistoryStep &s = m_series.steps.at(column);
    const double at = x(column);
    if (m_logic && !line->isEmpty())
        line->append(QPointF(at, line->last().y()));
    // The stroke starts at the end nearer to where the line comes from.
    const bool downFirst = !line->isEmpty() && qAbs(line->last().y() - s.max) < qAbs(line->last().y() - s.min);
    line->append(QPointF(at, downFirst ? s.max : s.min));
    if (s.max != s.min)
        line->append(QPointF(at, downFirst ? s.min : s.max));
}

bool TrendTrace::holdsBefore() const
{
    const HistorySample &b = m_series.before;
    return b.timeMs > 0 && b.quality == HistorySample::Quality::Good && !qIsNaN(b.value);
}

// Until when the value recorded before the range holds, as far as the
// range goes: the next step with values, a gap, or the absence limit.
qint64 TrendTrace::heldUntil(qint64 limitMs) const
{
    qint64 end = limitMs;
    if (m_absenceMs > 0)
        end = qMin(end, m_series.before.timeMs + m_absenceMs);
    for (const HistoryGap &g : m_series.gaps)
        end = qMin(end, qMax(g.startMs, m_fromMs));
    return end;
}

QVector<QPolygonF> TrendTrace::lines() const
{
    QVector<QPolygonF> result;
    QPolygonF line;
    int last = -1;
    for (int i = 0; i < m_series.steps.size(); ++i) {
        if (m_series.steps.at(i).count == 0)
            continue;
        if (last < 0 && holdsBefore() && heldUntil(m_series.steps.at(i).startMs) >= m_series.steps.at(i).startMs)
            line.append(QPointF(double(m_fromMs), m_series.before.value));
        if (last >= 0 && broken(last, i)) {
            result.append(line);
            line.clear();
        }
        addColumn(&line, i);
        last = i;
    }
    if (last < 0 && holdsBefore()) {
        const qint64 end = heldUntil(m_toMs);
        if (end > m_fromMs)
            line << QPointF(double(m_fromMs), m_series.before.value) << QPointF(double(end), m_series.before.value);
    }
    if (!line.isEmpty())
        result.append(line);
    return result;
}

bool TrendTrace::inGap(qint64 timeMs) const
{
    for (const HistoryGap &g : m_series.gaps) {
        if (timeMs >= g.startMs && timeMs < g.endMs)
            return true;
    }
    return false;
}

int TrendTrace::previousWithData(int column) const
{
    for (int i = column; i >= 0; --i) {
        if (m_series.steps.at(i).count > 0)
            return i;
    }
    return -1;
}

TrendTrace::Reading TrendTrace::valueAt(qint64 timeMs) const
{
    if (m_series.steps.isEmpty() || timeMs < m_fromMs)
        return {};
    const int column = int(qMin<qint64>((timeMs - m_fromMs) / m_widthMs, m_series.steps.size() - 1));
    const int held = previousWithData(column);
    if (inGap(timeMs))
        return {};
    if (held < 0) {
        if (holdsBefore() && timeMs < heldUntil(m_toMs))
            return {true, m_series.before.value, m_series.before.value};
        return {};
    }
    const HistoryStep &s = m_series.steps.at(held);
    if (held != column) {
        const qint64 heldEnd = s.startMs + m_widthMs;
        if (m_absenceMs > 0 && timeMs - heldEnd > m_absenceMs)
            return {};
    }
    return {true, s.min, s.max};
}

bool TrendTrace::range(double *min, double *max) const
{
    bool any = holdsBefore();
    if (any)
        *min = *max = m_series.before.value;
    for (const HistoryStep &s : m_series.steps) {
        if (s.count == 0)
            continue;
        *min = any ? qMin(*min, s.min) : s.min;
        *max = any ? qMax(*max, s.max) : s.max;
        any = true;
    }
    return any;
}
