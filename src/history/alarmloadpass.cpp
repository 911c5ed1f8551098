#include "alarmloadpass.h"

#include <algorithm>

namespace {

qint64 periodOf(qint64 ms)
{
    const qint64 p = AlarmReport::kPeriodMs;
    return ms >= 0 ? ms / p : -((-ms + p - 1) / p);
}

bool moreFrequent(const AlarmReport::Alarm &a, const AlarmReport::Alarm &b)
{
    if (a.count != b.count)
        return a.count > b.count;
    return a.point != b.point ? a.point < b.point : a.kind < b.kind;
}

} // namespace

AlarmLoadPass::AlarmLoadPass(qint64 fromMs, qint64 toMs)
    : m_fromMs(fromMs)
    , m_toMs(toMs)
{
}

AlarmLoadPass::Alarm &AlarmLoadPass::alarm(const QByteArray &point, const QByteArray &kind)
{
    m_key.resize(0);
    m_key.append(point).append('\0').append(kind);
    auto found = m_index.constFind(m_key);
    if (found == m_index.constEnd()) {
        found = m_index.insert(QByteArray(m_key.constData(), m_key.size()), m_alarms.size());
        m_alarms.append({QString::fromUtf8(point), QString::fromUtf8(kind), {}, {}});
    }
    return m_alarms[*found];
}

void AlarmLoadPass::add(qint64 timeMs, qint64 id, const QByteArray &point, const QByteArray &kind,
                        const QByteArray &event, int priority)
{
    if (event == "raised") {
        alarm(point, kind).raises.append({timeMs, id});
        m_counts.byPriority[qBound(1, priority, 4) - 1] += 1;
        m_counts.alarms += 1;
        m_periods[periodOf(timeMs)] += 1;
    } else if (event == "cleared") {
        alarm(point, kind).clears.append({timeMs, id});
    } else if (event == "shelved") {
        m_counts.shelvedEvents += 1;
    } else if (event == "outofservice") {
        m_counts.outOfServiceEvents += 1;
    }
}

void AlarmLoadPass::finish(AlarmReport *report, QHash<Key, qint64> *lastRaises)
{
    *report = m_counts;
    report->fromMs = m_fromMs;
    report->toMs = m_toMs;
    report->periods = m_toMs > m_fromMs ? periodOf(m_toMs - 1) - periodOf(m_fromMs) + 1 : 0;
    peak(report);
    mostFrequent(report);
    sequences(report, lastRaises);
}

// The earliest period of the most raises, and the periods in flood.
void AlarmLoadPass::peak(AlarmReport *report) const
{
    for (auto i = m_periods.cbegin(); i != m_periods.cend(); ++i) {
        const qint64 start = i.key() * AlarmReport::kPeriodMs;
        if (i.value() > report->peakCount || (i.value() == report->peakCount && start < report->peakStartMs)) {
            report->peakCount = i.value();
            report->peakStartMs = start;
        }
        report->floodPeriods += i.value() >= AlarmReport::kFloodAlarms;
    }
}

void AlarmLoadPass::mostFrequent(AlarmReport *report) const
{
    QVector<AlarmReport::Alarm> all;
    for (const Alarm &a : m_alarms) {
        if (!a.raises.isEmpty())
            all.append({a.point, a.kind, QString(), a.raises.size()});
    }
    std::sort(all.begin(), all.end(), moreFrequent);
    report->mostFrequent = all.mid(0, AlarmReport::kMostFrequent);
}

// Each alarm's raises and clears in time order: a raise is the third
// within kChatterMs when the one two before is no older; it is stale when
// its alarm's first clear after it (or toMs) is more than kStaleMs later.
void AlarmLoadPass::sequences(AlarmReport *report, QHash<Key, qint64> *lastRaises)
{
    for (Alarm &a : m_alarms) {
        std::sort(a.raises.begin(), a.raises.end());
        std::sort(a.clears.begin(), a.clears.end());
        qint64 chatter = 0;
        auto clear = a.clears.cbegin();
        for (int i = 0; i < a.raises.size(); ++i) {
            const Row &r = a.raises.at(i);
            chatter += i >= 2 && r.timeMs - a.raises.at(i - 2).timeMs <= AlarmReport::kChatterMs;
            while (clear != a.clears.cend() && *clear < r)
                ++clear;
            const qint64 end = clear == a.clears.cend() ? m_toMs : clear->timeMs;
            if (end - r.timeMs > AlarmReport::kStaleMs)
                report->stale.append({a.point, a.kind, QString(), r.timeMs});
        }
        if (chatter)
            report->chattering.append({a.point, a.kind, QString(), chatter});
        if (!a.raises.isEmpty())
            lastRaises->insert({a.point, a.kind}, a.raises.last().id);
    }
    std::sort(report->chattering.begin(), report->chattering.end(), moreFrequent);
    std::sort(report->stale.begin(), report->stale.end(), [](const AlarmReport::Stale &x, const AlarmReport::Stale &y) {
        if (x.raisedMs != y.raisedMs)
            return x.raisedMs < y.raisedMs;
        return x.point != y.point ? x.point < y.point : x.kind < y.kind;
    });
}
