// The monitoring's processor time: 100 controllers of 50 points each, read
// by the site monitor through the poll hub as the window does, filtered
// (record on change, deadband 0.2 °C) and recorded into a SQLite file in a
// temporary folder.
//
//   bench_monitor [path/to/tesk-sim]
//
// tesk-sim serves the controllers in a process of its own (127.0.78.1 ...),
// so that what it does is not counted: the figure is this process's user
// and system time (getrusage), all of its threads, history writer included.
// Passes run every second, the least interval, with the simulated values
// moving ten times as fast as a site's, so that each pass sees what a pass
// every 10 s sees there: most values within the deadband, a fifth of them
// drifting past it. The share of a core is the time of a pass over 10 s.

#include "benchsim.h"
#include "historyrecorder.h"
#include "monitoringrecord.h"
#include "pollhub.h"
#include "samplefilter.h"
#include "sitemonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

constexpr int kControllers = 100;
constexpr int kPoints = 50;
constexpr int kDrifting = 10; // of each controller's points
constexpr int kWarmUp = 3;    // passes not counted: the points are added to the store
constexpr int kPasses = 30;
constexpr double kSiteInterval = 10;
constexpr int kScale = 10; // the site's seconds in one of the bench's

QTextStream out(stdout);

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Temperatures in tenths: a random walk of steps up to 0.05 °C in 10 s,
// or a drift of 0.3 °C in 10 s; both scaled to the bench's clock.
QByteArray simConfig()
{
    QByteArray xml = "<TeskSim>";
    for (int c = 0; c < kControllers; ++c) {
        xml += "<Controller name=\"C" + QByteArray::number(c) + "\" address=\"127.0.78." + QByteArray::number(c + 1)
            + "\" port=\"0\" seed=\"" + QByteArray::number(c + 1) + "\">";
        for (int p = 0; p < kPoints; ++p) {
            const QByteArray moving = p < kDrifting ? "drift=\"" + QByteArray::number(0.3 * kScale) + "\""
                                                    : "noise=\"" + QByteArray::number(0.5 * kScale / 10) + "\"";
            xml += "<Variable name=\"v" + QByteArray::number(p) + "\" type=\"phy_temperature\" min=\"-400\""
                " max=\"1100\" value=\"" + QByteArray::number(200 + p * 10) + "\" " + moving + "/>";
        }
        xml += "</Controller>";
    }
    return xml + "</TeskSim>";
}

MonitoringRecord site(DeviceList *devices, const QStringList &endpoints)
{
    MonitoringRecord record;
    record.interval = 1;
    for (int c = 0; c < kControllers; ++c) {
        const QString address = endpoints.at(c).section(QLatin1Char(':'), 0, 0);
        const QString port = endpoints.at(c).section(QLatin1Char(':'), 1, 1);
        const QString device = QStringLiteral("C%1").arg(c);
        devices->append({device, address, port, QString()});
        for (int p = 0; p < kPoints; ++p) {
            MonitoringPoint point;
            point.id = QStringLiteral("c%1_v%2").arg(c).arg(p);
            point.device = device;
            point.devVar = QStringLiteral("v%1").arg(p);
            point.deadband = 0.2;
            point.maxGap = 600 / kScale;
            record.points.append(point);
        }
    }
    return record;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QString simPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                     : QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/sim/tesk-sim");
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("sim.xml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(simConfig()) < 0)
        qFatal("cannot write %s", qPrintable(config));
    file.close();
    QProcess sim;
    DeviceList devices;
    const MonitoringRecord record = site(&devices, BenchSim::start(sim, simPath, config, kControllers));

    PollHub hub;
    SiteMonitor monitor(&hub);
    SampleFilter filter;
    filter.setPoints(record.points);
    HistoryRecorder recorder(record.store, dir.path(), record.retentionDays, record.rollupDays, 100000);
    int passes = 0;
    qint64 readings = 0, good = 0, recorded = 0;
    double cpuStart = 0;
    QElapsedTimer wall;
    QEventLoop loop;
    QObject::connect(&monitor, &SiteMonitor::passDone, [&](const QVector<HistorySample> &pass) {
        const QVector<HistorySample> kept = filter.recorded(pass);
        recorder.record(kept);
        if (++passes == kWarmUp) {
            cpuStart = cpuSeconds();
            wall.start();
        } else if (passes > kWarmUp) {
            readings += pass.size();
            recorded += kept.size();
            for (const HistorySample &s : pass)
                good += s.quality == HistorySample::Quality::Good;
        }
        if (passes == kWarmUp + kPasses)
            loop.quit();
    });
    monitor.setSite(record, devices);
    monitor.start();
    loop.exec();
    monitor.stop();
    // What the writer still has to do belongs to the passes counted.
    recorder.stop();
    const double cpuPerPass = (cpuSeconds() - cpuStart) / kPasses;
    sim.terminate();
    sim.waitForFinished(5000);

    out << kControllers << " controllers x " << kPoints << " points, " << kPasses << " passes (after " << kWarmUp
        << " not counted) in " << wall.elapsed() / 1000.0 << " s\n";
    out << "  readings good: " << good << " of " << readings << "; recorded on change: "
        << double(recorded) / kPasses << " a pass (" << 100.0 * recorded / readings << " %)\n";
    out << "  processor time of the program (user+sys, all threads): " << cpuPerPass * 1000 << " ms a pass, "
        << 100 * cpuPerPass / kSiteInterval << " % of one core at a " << kSiteInterval << " s interval (goal: 1 %)\n";
    return good == readings ? 0 : 1;
}
