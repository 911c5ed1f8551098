#include "samplefilter.h"

#include <QtMath>

void SampleFilter::setPoints(const QList<MonitoringPoint> &points)
{
    m_rules.clear();
    for (const MonitoringPoint &p : points) {
        Rule rule;
        rule.always = p.record == QLatin1String("interval");
        rule.anyChange = p.type == QLatin1String("logic") || p.type == QLatin1String("int");
        rule.deadband = p.deadband;
        rule.maxGapMs = qint64(p.maxGap) * 1000;
        m_rules.insert(p.id, rule);
    }
    // What was recorded of a point still monitored stays the reference.
    for (auto it = m_last.begin(); it != m_last.end();)
        it = m_rules.contains(it.key()) ? std::next(it) : m_last.erase(it);
}

QVector<HistorySample> SampleFilter::recorded(const QVector<HistorySample> &readings)
{
    QVector<HistorySample> out;
    for (const HistorySample &now : readings) {
        const auto rule = m_rules.constFind(now.point);
        if (rule == m_rules.constEnd())
            continue;
        const auto last = m_last.constFind(now.point);
        if (last != m_last.constEnd() && !worthRecording(rule.value(), last.value(), now))
            continue;
        m_last.insert(now.point, now);
        out.append(now);
    }
    return out;
}

bool SampleFilter::worthRecording(const Rule &rule, const HistorySample &last, const HistorySample &now) const
{
    if (rule.always || now.quality != last.quality)
        return true;
    if (rule.maxGapMs > 0 && now.timeMs - last.timeMs >= rule.maxGapMs)
        return true;
    const bool valued = now.quality == HistorySample::Quality::Good || now.quality == HistorySample::Quality::Error;
    if (!valued)
        return false;
    const double moved = qAbs(now.value - last.value);
    return rule.anyChange ? moved != 0 : moved > rule.deadband;
}
