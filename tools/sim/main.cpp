// tesk-sim: serves simulated controllers on loopback until interrupted, or
// writes the history a project would have recorded of them.

#include "devicelistfile.h"
#include "monitoringfile.h"
#include "simhistory.h"
#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int kMostDays = 400;

// The CSV of the days before now on standard output.
int writeHistory(const Simulator &sim, const QString &daysText, const QString &monitoringPath, QTextStream &err)
{
    bool ok = false;
    const int days = daysText.toInt(&ok);
    if (!ok || days < 1 || days > kMostDays) {
        err << "tesk-sim: --history-csv takes a number of days from 1 to " << kMostDays << '\n';
        return 2;
    }
    XmlRead::Status status;
    const MonitoringRecord monitoring = MonitoringFile::read(monitoringPath, &status);
    if (status != XmlRead::Status::Read) {
        err << "tesk-sim: " << monitoringPath << ": no monitoring to read\n";
        return 2;
    }
    const QString devices = QFileInfo(monitoringPath).dir().filePath(DeviceListFile::fileName());
    SimHistory history(sim.entries(), monitoring, DeviceListFile::read(devices));
    for (const QString &point : history.unsimulated())
        err << "tesk-sim: point " << point << ": its controller is not simulated, recorded as not answering\n";
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    QString error;
    if (!history.write(days, QDateTime::currentMSecsSinceEpoch(), out, &error)) {
        err << "tesk-sim: " << error << '\n';
        return 2;
    }
    out.flush();
    return out.status() == QTextStream::Ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Tesk controllers on loopback."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("config"), QStringLiteral("Simulator configuration file."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("history-csv"),
                      QStringLiteral("Write the history of the DAYS up to now as CSV to standard output, then exit."),
                      QStringLiteral("DAYS")});
    parser.addOption({QStringLiteral("monitoring"),
                      QStringLiteral("The project's monitoring.xml the history is recorded for (deviceList.xml beside it)."),
                      QStringLiteral("FILE")});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.isSet(QStringLiteral("config"))) {
        err << "tesk-sim: --config FILE is required\n";
        return 2;
    }
    const bool history = parser.isSet(QStringLiteral("history-csv"));
    if (history != parser.isSet(QStringLiteral("monitoring"))) {
        err << "tesk-sim: --history-csv DAYS and --monitoring FILE go together\n";
        return 2;
    }
    Simulator sim;
    QString error;
    if (!sim.load(parser.value(QStringLiteral("config")), &error)) {
        err << "tesk-sim: " << error << '\n';
        return 1;
    }
    if (history)
        return writeHistory(sim, parser.value(QStringLiteral("history-csv")), parser.value(QStringLiteral("monitoring")), err);
    if (!sim.start(&error)) {
        err << "tesk-sim: " << error << '\n';
        return 1;
    }
    for (SimServer *s : sim.servers()) {
        out << s->address().toString() << ':' << s->port() << ' ' << s->controller().name << " ("
            << s->controller().variables.size() << " variables, " << simFaultName(s->fault()) << ")\n";
    }
    out.flush();
    return app.exec();
}
