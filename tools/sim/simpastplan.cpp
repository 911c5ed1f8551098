#include "simpastplan.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QtMath>

#include <algorithm>

namespace {

constexpr qint64 kMinuteMs = 60 * 1000;
constexpr int kJitterMinutes = 15;
constexpr double kWeatherDays = 3.3; // the period of the slow change over the days

// 0 at 05:00, rising to 1 at 15:00 and falling back by 05:00.
double dayShape(double minute)
{
    const double hour = minute / 60;
    if (hour >= 5 && hour < 15)
        return (1 - qCos(M_PI * (hour - 5) / 10)) / 2;
    const double sinceTop = hour >= 15 ? hour - 15 : hour + 9;
    return (1 + qCos(M_PI * sinceTop / 14)) / 2;
}

} // namespace

bool SimPastPlan::build(const SimPast &past, SimController *controller, quint32 seed, qint64 fromMs, qint64 toMs,
                        QString *error)
{
    m_lastDay = QDateTime::fromMSecsSinceEpoch(toMs).date();
    for (QDate d = QDateTime::fromMSecsSinceEpoch(fromMs).date().addDays(-1); d <= m_lastDay.addDays(1); d = d.addDays(1))
        m_midnights.append(QDateTime(d, QTime(0, 0)).toMSecsSinceEpoch());
    QRandomGenerator random(seed);
    auto variable = [&](const QString &name) {
        SimVariable *v = controller->variable(name);
        if (!v)
            *error = controller->name + QStringLiteral(": no variable ") + name;
        return v;
    };
    for (const SimPast::Schedule &s : past.schedules) {
        SimVariable *v = variable(s.variable);
        if (!v)
            return false;
        addSchedule(s.periods, v, random.generate());
    }
    for (const SimPast::Hold &h : past.holds) {
        SimVariable *v = variable(h.variable);
        if (!v)
            return false;
        addHold(h, v);
    }
    std::stable_sort(m_changes.begin(), m_changes.end(),
                     [](const Change &a, const Change &b) { return a.timeMs < b.timeMs; });
    for (const SimPast::DayCurve &c : past.curves) {
        SimVariable *v = variable(c.variable);
        if (!v)
            return false;
        v->drift = 0;
        m_curves.append({v, c.low, c.high, random.generateDouble() * 2 * M_PI});
    }
    for (const SimPast::Window &w : past.silences) {
        const qint64 start = atDayMinute(w.day, w.minute);
        m_silences.append({start, start + w.minutes * kMinuteMs});
    }
    return true;
}

qint64 SimPastPlan::atDayMinute(int daysBack, double minute) const
{
    return QDateTime(m_lastDay.addDays(-daysBack), QTime(0, 0)).toMSecsSinceEpoch() + qint64(minute * kMinuteMs);
}

void SimPastPlan::addSchedule(const QVector<QPair<int, int>> &periods, SimVariable *variable, quint32 seed)
{
    QRandomGenerator random(seed);
    const int days = m_midnights.size();
    for (int d = 0; d < days; ++d) {
        for (const auto &period : periods) {
            const int from = period.first + random.bounded(-kJitterMinutes, kJitterMinutes + 1);
            const int to = qMax(from + 1, period.second + random.bounded(-kJitterMinutes, kJitterMinutes + 1));
            m_changes.append({m_midnights.at(d) + from * kMinuteMs, variable, 1, -1, false});
            m_changes.append({m_midnights.at(d) + to * kMinuteMs, variable, 0, -1, false});
        }
    }
}

void SimPastPlan::addHold(const SimPast::Hold &hold, SimVariable *variable)
{
    const qint64 start = atDayMinute(hold.window.day, hold.window.minute);
    const int index = m_heldFrom.size();
    m_heldFrom.append(0);
    m_changes.append({start, variable, hold.value, index, false});
    m_changes.append({start + hold.window.minutes * kMinuteMs, variable, 0, index, true});
}

double SimPastPlan::minuteOfDay(qint64 timeMs)
{
    while (m_midnight + 1 < m_midnights.size() && m_midnights.at(m_midnight + 1) <= timeMs)
        ++m_midnight;
    return double(timeMs - m_midnights.at(m_midnight)) / kMinuteMs;
}

void SimPastPlan::apply(qint64 timeMs)
{
    for (; m_next < m_changes.size() && m_changes.at(m_next).timeMs <= timeMs; ++m_next) {
        const Change &c = m_changes.at(m_next);
        if (c.restores) {
            c.variable->number = m_heldFrom.at(c.hold);
            continue;
        }
        if (c.hold >= 0)
            m_heldFrom[c.hold] = c.variable->number;
        c.variable->number = c.value;
    }
    if (m_curves.isEmpty())
        return;
    const double minute = minuteOfDay(timeMs);
    const double days = double(timeMs) / (24 * 60 * kMinuteMs);
    for (const Curve &c : qAsConst(m_curves)) {
        const double span = c.high - c.low;
        const double weather = 0.2 * span * qSin(2 * M_PI * days / kWeatherDays + c.phase);
        c.variable->number = c.variable->clamped(c.low + span * dayShape(minute) + weather);
    }
}

bool SimPastPlan::isSilent(qint64 timeMs) const
{
    return std::any_of(m_silences.cbegin(), m_silences.cend(),
                       [timeMs](const QPair<qint64, qint64> &s) { return timeMs >= s.first && timeMs < s.second; });
}
