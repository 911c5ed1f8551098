#include "recorderengine.h"
#include "recorderlog.h"
#include "terminationsignal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

// tesk-recorder PROJECT_DIR: the site watched, its alarms evaluated and
// both recorded in the project's store, without a window, until SIGTERM.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tesk-recorder"));
    // The link's trace is for the program's log window; QT_LOGGING_RULES
    // brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Watches a project's site and records its history and alarms in its store."));
    parser.addHelpOption();
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Check the project and its store, then exit."));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("PROJECT_DIR"), QStringLiteral("The project folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("usage: tesk-recorder [--check] PROJECT_DIR\n", stderr);
        return 2;
    }
    QTextStream err(stderr);
    RecorderLog log(&err);
    RecorderEngine engine(&log);
    if (!engine.open(parser.positionalArguments().constFirst()))
        return 1;
    if (parser.isSet(check)) {
        QTextStream(stdout) << engine.summary() << '\n';
        return 0;
    }
    TerminationSignal terminate;
    QObject::connect(&terminate, &TerminationSignal::received, &engine, &RecorderEngine::stop);
    QObject::connect(&engine, &RecorderEngine::finished, &app, &QCoreApplication::quit);
    engine.start();
    return app.exec();
}
