// One pass of the alarm engine over a large site: 10,000 points with
// 20,000 alarm definitions (a high and a low limit each), 100 points to a
// controller. The readings move as a site's do: most values well inside
// their limits, a few per cent crossing one, so that each pass raises and
// clears some alarms. Prints the median and the slowest of 200 passes;
// the goal is at most 2 ms a pass.
//
//   bench_alarm_engine

#include "alarmengine.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kPoints = 10000;
constexpr int kPointsPerController = 100;
constexpr int kPasses = 200;

MonitoringRecord site()
{
    MonitoringRecord record;
    for (int i = 0; i < kPoints; ++i) {
        MonitoringPoint p;
        p.id = QStringLiteral("p%1").arg(i);
        p.device = QStringLiteral("c%1").arg(i / kPointsPerController);
        p.devVar = QStringLiteral("v%1").arg(i % kPointsPerController);
        AlarmDefinition high;
        high.kind = QStringLiteral("high");
        high.limit = 80;
        high.deadband = 2;
        high.onDelay = 10;
        AlarmDefinition low = high;
        low.kind = QStringLiteral("low");
        low.limit = 20;
        p.alarms = {high, low};
        record.points.append(p);
    }
    return record;
}

// Point i lies near 50; one point in 25 at a time stands beyond a limit
// for five passes, long enough for the on-delay.
void fill(QVector<HistorySample> *readings, int pass)
{
    for (int i = 0; i < readings->size(); ++i) {
        HistorySample &s = (*readings)[i];
        s.value = (i + pass / 5) % 25 == 0 ? (i % 2 ? 95 : 10) : 50 + (i % 7);
        s.quality = HistorySample::Quality::Good;
    }
}

} // namespace

int main()
{
    QTextStream out(stdout);
    const MonitoringRecord record = site();
    AlarmEngine engine;
    engine.setSite(record);
    QVector<HistorySample> readings(kPoints);
    for (int i = 0; i < kPoints; ++i)
        readings[i].point = record.points.at(i).id;
    QVector<qint64> times;
    qint64 events = 0;
    qint64 now = 1'700'000'000'000;
    for (int pass = 0; pass < kPasses; ++pass) {
        fill(&readings, pass);
        QElapsedTimer timer;
        timer.start();
        engine.evaluate(readings, now += 10'000);
        events += engine.takeEvents().size();
        engine.takeChangedStates();
        engine.takeChanged();
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    out << "alarm evaluation, " << kPoints << " points, " << engine.count() << " alarms (communication included)\n"
        << "  median pass " << QString::number(times.at(kPasses / 2) / 1e6, 'f', 3) << " ms, slowest "
        << QString::number(times.last() / 1e6, 'f', 3) << " ms (goal 2 ms); journal events "
        << events / kPasses << " a pass\n";
    return 0;
}
