// The alarm tab's share of the GUI thread when 1,000 alarms are raised in
// one pass: the engine's evaluation, the rows moved into the table, the
// indicator, and the repaint of the shown tab, on a site of 5,000 points
// with one alarm each. Run offscreen:
//
//   QT_QPA_PLATFORM=offscreen bench_alarm_tab
//
// Prints the median and the slowest of 20 such passes (each followed by a
// pass that clears them); the goal is at most 50 ms.

#include "alarmcenter.h"
#include "alarmindicator.h"
#include "alarmpanel.h"
#include "alarmtablemodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kPoints = 5000;
constexpr int kRaised = 1000;
constexpr int kRounds = 20;

MonitoringRecord site()
{
    MonitoringRecord record;
    for (int i = 0; i < kPoints; ++i) {
        MonitoringPoint p;
        p.id = QStringLiteral("p%1").arg(i);
        p.device = QStringLiteral("c%1").arg(i / 50);
        p.description = QStringLiteral("Punkt %1").arg(i);
        AlarmDefinition high;
        high.kind = QStringLiteral("high");
        high.limit = 80;
        high.priority = 1 + i % 4;
        high.text = QStringLiteral("Za wysoka temperatura %1").arg(i);
        p.alarms = {high};
        record.points.append(p);
    }
    return record;
}

QVector<HistorySample> readings(const MonitoringRecord &record, int round, bool raise)
{
    QVector<HistorySample> pass(kPoints);
    const int first = (round * kRaised) % kPoints;
    for (int i = 0; i < kPoints; ++i) {
        const bool high = raise && (i - first + kPoints) % kPoints < kRaised;
        pass[i] = {record.points.at(i).id, 0, high ? 90.0 : 50.0, HistorySample::Quality::Good};
    }
    return pass;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const MonitoringRecord record = site();
    AlarmCenter center;
    qint64 now = 1'700'000'000'000;
    center.setClock([&] { return now; });
    center.setSoundEnabled(false);
    center.setSite(record);
    center.startWithoutStates();
    AlarmPanel panel(&center);
    AlarmIndicator indicator(&center);
    panel.resize(1200, 700);
    panel.show();
    QVector<qint64> times;
    for (int round = 0; round < kRounds; ++round) {
        now += 10'000;
        const QVector<HistorySample> raising = readings(record, round, true);
        QElapsedTimer timer;
        timer.start();
        center.evaluate(raising);
        QCoreApplication::processEvents(); // the view's delayed layout and its paint
        panel.repaint();
        times.append(timer.nsecsElapsed());
        if (center.model()->rowCount() < kRaised)
            out << "lost rows: " << center.model()->rowCount() << "\n";
        center.acknowledge(center.model()->shownAlarms(), QString());
        now += 10'000;
        center.evaluate(readings(record, round, false));
    }
    std::sort(times.begin(), times.end());
    out << "alarm tab, " << kRaised << " alarms raised in one pass over " << kPoints << " points\n"
        << "  median " << QString::number(times.at(kRounds / 2) / 1e6, 'f', 1) << " ms, slowest "
        << QString::number(times.last() / 1e6, 'f', 1) << " ms of the GUI thread (goal 50 ms)\n";
    return 0;
}
