// tesk-sim: serves simulated controllers on loopback until interrupted.

#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Tesk controllers on loopback."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("config"), QStringLiteral("Simulator configuration file."), QStringLiteral("FILE")});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.isSet(QStringLiteral("config"))) {
        err << "tesk-sim: --config FILE is required\n";
        return 2;
    }
    Simulator sim;
    QString error;
    if (!sim.load(parser.value(QStringLiteral("config")), &error) || !sim.start(&error)) {
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
