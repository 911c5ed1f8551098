// tesk-recorder as a service runs it, for an hour: 100 controllers of 50
// points each, a pass every 10 s, record on change (deadband 0.2 °C), one
// high alarm on each controller's first point, on every store given (a
// SQLite file and, beside scripts/pg-server, PostgreSQL), all recorders at
// once on one simulator.
//
//   bench_recorder [minutes]      (60 by default)
//
// tesk-sim serves the controllers in a process of its own (127.0.79.1 ...);
// each recorder is a process of its own too, and the figures are its
// processor time (user + system, all threads, from /proc) and its resident
// memory, read every minute.

#include "benchsim.h"
#include "benchstores.h"
#include "devicelistfile.h"
#include "historystore.h"
#include "monitoringfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <unistd.h>

#include <memory>

namespace {

constexpr int kControllers = 100;
constexpr int kPoints = 50;
constexpr int kDrifting = 10; // of each controller's points
constexpr int kInterval = 10;

QTextStream out(stdout);

// A random walk of steps up to 0.05 °C, or a drift of 0.3 °C, each 10 s.
QByteArray simConfig()
{
    QByteArray xml = "<TeskSim>";
    for (int c = 0; c < kControllers; ++c) {
        xml += "<Controller name=\"C" + QByteArray::number(c) + "\" address=\"127.0.79." + QByteArray::number(c + 1)
            + "\" port=\"0\" seed=\"" + QByteArray::number(c + 1) + "\">";
        for (int p = 0; p < kPoints; ++p) {
            const QByteArray moving = p < kDrifting ? "drift=\"0.3\"" : "noise=\"0.05\"";
            xml += "<Variable name=\"v" + QByteArray::number(p)
                + "\" type=\"phy_temperature\" min=\"-400\""
                  " max=\"1100\" value=\""
                + QByteArray::number(200 + p * 10) + "\" " + moving + "/>";
        }
        xml += "</Controller>";
    }
    return xml + "</TeskSim>";
}

// The project folder of one recorder: its device list and monitoring.
bool writeProject(const QString &folder, const QStringList &endpoints, const StoreRecord &store)
{
    DeviceList devices;
    MonitoringRecord record;
    record.interval = kInterval;
    record.store = store;
    for (int c = 0; c < kControllers; ++c) {
        const QString device = QStringLiteral("C%1").arg(c);
        devices.append({device, endpoints.at(c).section(QLatin1Char(':'), 0, 0),
                        endpoints.at(c).section(QLatin1Char(':'), 1, 1), QString()});
        for (int p = 0; p < kPoints; ++p) {
            MonitoringPoint point;
            point.id = QStringLiteral("c%1_v%2").arg(c).arg(p);
            point.device = device;
            point.devVar = QStringLiteral("v%1").arg(p);
            point.deadband = 0.2;
            point.maxGap = 600;
            if (p == 0) {
                AlarmDefinition high;
                high.limit = 60;
                high.deadband = 1;
                high.text = QStringLiteral("high");
                point.alarms = {high};
            }
            record.points.append(point);
        }
    }
    return QDir().mkpath(folder) && DeviceListFile::write(folder + DeviceListFile::fileName(), devices).isEmpty()
        && MonitoringFile::write(folder + MonitoringFile::fileName(), record).isEmpty();
}

struct Usage
{
    double cpuSeconds = 0;
    double residentMb = 0;
};

Usage usageOf(qint64 pid)
{
    Usage u;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        // After the name in parentheses: the state is field 3, utime 14, stime 15.
        const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
        const double tick = double(sysconf(_SC_CLK_TCK));
        u.cpuSeconds = (fields.value(11).toDouble() + fields.value(12).toDouble()) / tick;
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                u.residentMb = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return u;
}

struct Run
{
    QString name;
    QString folder;
    StoreRecord store;
    std::unique_ptr<QProcess> process;
    Usage first;
    Usage last;
    double peakMb = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;
    const QString bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/");
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("sim.xml")));
    if (!config.open(QIODevice::WriteOnly) || config.write(simConfig()) < 0)
        qFatal("cannot write the simulator's configuration");
    config.close();
    QProcess sim;
    const QStringList endpoints = BenchSim::start(sim, bin + QStringLiteral("sim/tesk-sim"), config.fileName(), kControllers);

    std::vector<Run> runs;
    for (const BenchStore &store : BenchStores::all(dir.path())) {
        const bool postgres = store.record.isPostgres();
        const QString folder = dir.filePath(postgres ? QStringLiteral("postgresql") : QStringLiteral("sqlite")) + '/';
        // SQLite: history.sqlite of the project folder.
        const StoreRecord record = postgres ? store.record : StoreRecord();
        if (!writeProject(folder, endpoints, record))
            qFatal("cannot write the project in %s", qPrintable(folder));
        Run run;
        run.folder = folder;
        run.store = record;
        run.name = postgres ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
        run.process = std::make_unique<QProcess>();
        run.process->setStandardErrorFile(folder + QStringLiteral("recorder.log"));
        run.process->start(bin + QStringLiteral("recorder/tesk-recorder"), {folder});
        if (!run.process->waitForStarted())
            qFatal("tesk-recorder did not start");
        runs.push_back(std::move(run));
    }
    out << kControllers << " controllers x " << kPoints << " points, a pass every " << kInterval << " s, " << minutes
        << " min\n";
    QThread::sleep(60); // the first passes add the points to the store
    for (Run &r : runs)
        r.first = r.last = usageOf(r.process->processId());
    for (int minute = 1; minute <= minutes; ++minute) {
        QThread::sleep(60);
        out << "minute " << minute;
        for (Run &r : runs) {
            const Usage now = usageOf(r.process->processId());
            r.peakMb = qMax(r.peakMb, now.residentMb);
            out << QStringLiteral("  %1: %2 % of a core, %3 MB")
                       .arg(r.name)
                       .arg(100 * (now.cpuSeconds - r.last.cpuSeconds) / 60, 0, 'f', 2)
                       .arg(now.residentMb, 0, 'f', 1);
            r.last = now;
        }
        out << Qt::endl;
    }
    int failed = 0;
    for (Run &r : runs) {
        out << r.name
            << QStringLiteral(": processor %1 % of one core over the run; resident memory %2 MB after "
                              "the first minute, %3 MB at the end, %4 MB at most\n")
                   .arg(100 * (r.last.cpuSeconds - r.first.cpuSeconds) / (60.0 * minutes), 0, 'f', 2)
                   .arg(r.first.residentMb, 0, 'f', 1)
                   .arg(r.last.residentMb, 0, 'f', 1)
                   .arg(r.peakMb, 0, 'f', 1);
        r.process->terminate();
        failed += !r.process->waitForFinished(30000) || r.process->exitCode() != 0;
        HistoryStore store;
        HistoryStats stats;
        QString error;
        if (!store.open(r.store, r.folder, 0, 0, &error) || !store.stats(&stats, &error) || stats.points == 0) {
            out << r.name << ": nothing recorded " << error << '\n';
            ++failed;
            continue;
        }
        out << QStringLiteral("  %1 points, %2 samples, %3 MB in the store\n")
                   .arg(stats.points)
                   .arg(stats.samples)
                   .arg(double(stats.bytes) / 1e6, 0, 'f', 1);
    }
    sim.terminate();
    sim.waitForFinished(5000);
    return failed;
}
