// tesk-cmd: sends one command to a controller and prints the reply text.

#include "qteskcmd.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

// The link's debug lines are for the program's log; here they are noise.
void withoutDebugLines(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg)
        QTextStream(stderr) << msg << '\n';
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(withoutDebugLines);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sends one command to a Tesk controller."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("port"), QStringLiteral("Controller port (16483)."), QStringLiteral("N"),
                      QStringLiteral("16483")});
    parser.addOption({QStringLiteral("timeout"), QStringLiteral("Time-out in ms (20000)."), QStringLiteral("MS"),
                      QString::number(QTeskCmd::kDefaultTimeoutMs)});
    parser.addOption({QStringLiteral("hex"), QStringLiteral("Also print both frames as hex bytes.")});
    parser.addPositionalArgument(QStringLiteral("HOST"), QStringLiteral("Controller address."));
    parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("Command text, e.g. \"get_all;\"."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    bool portOk = false;
    bool timeoutOk = false;
    const uint port = parser.value(QStringLiteral("port")).toUInt(&portOk);
    const int timeoutMs = parser.value(QStringLiteral("timeout")).toInt(&timeoutOk);
    if (args.size() != 2 || !portOk || port > 65535 || !timeoutOk || timeoutMs <= 0) {
        err << "usage: tesk-cmd [--port N] [--timeout MS] [--hex] HOST COMMAND\n";
        return 2;
    }
    const bool hex = parser.isSet(QStringLiteral("hex"));

    QTeskCmd link;
    link.setTimeoutMs(timeoutMs);
    QObject::connect(&link, qOverload<QString>(&QTeskCmd::dataReady), &app, [&](const QString &text) {
        if (hex) {
            out << "reply frame: " << hexBytes(link.lastReplyFrame()) << '\n';
        }
        out << text << '\n';
        out.flush();
        app.exit(0);
    });
    QElapsedTimer clock;
    QObject::connect(&link, &QTeskCmd::timeout, &app, [&] {
        if (hex && !link.lastReplyFrame().isEmpty())
            out << "reply frame: " << hexBytes(link.lastReplyFrame()) << '\n';
        out.flush();
        err << "tesk-cmd: ";
        switch (link.failure()) {
        case QTeskCmd::Failure::BadChecksum:
            err << "the reply from " << args.at(0) << ':' << port << " has a wrong check sum\n";
            break;
        case QTeskCmd::Failure::Incomplete:
            err << "the reply from " << args.at(0) << ':' << port << " is incomplete\n";
            break;
        default:
            // A refused, reset or closed connection ends the request before its time-out.
            if (clock.elapsed() < timeoutMs)
                err << "no reply from " << args.at(0) << ':' << port << ": the connection was refused or closed\n";
            else
                err << "no reply from " << args.at(0) << ':' << port << " within " << timeoutMs << " ms\n";
            break;
        }
        app.exit(1);
    });
    clock.start();
    link.sendRequest(args.at(0), args.at(1), quint16(port));
    if (hex)
        out << "request frame: " << hexBytes(link.requestFrame()) << '\n';
    return app.exec();
}
