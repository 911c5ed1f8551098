#include "benchsim.h"

#include <QElapsedTimer>

namespace BenchSim {

QStringList start(QProcess &sim, const QString &program, const QString &config, int controllers)
{
    sim.start(program, {QStringLiteral("--config"), config});
    QStringList endpoints;
    QElapsedTimer waited;
    waited.start();
    while (endpoints.size() < controllers && waited.elapsed() < 30000) {
        if (!sim.canReadLine() && !sim.waitForReadyRead(1000) && sim.state() != QProcess::Running)
            qFatal("tesk-sim did not start: %s", qPrintable(QString::fromLocal8Bit(sim.readAllStandardError())));
        while (sim.canReadLine())
            endpoints << QString::fromLatin1(sim.readLine()).section(QLatin1Char(' '), 0, 0);
    }
    if (endpoints.size() < controllers)
        qFatal("tesk-sim served %d controllers", int(endpoints.size()));
    return endpoints;
}

} // namespace BenchSim
