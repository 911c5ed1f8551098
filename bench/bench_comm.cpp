// The bulk reader against the floor bare clients set, and the reader's
// decoding against one plain split of the reply.
//
//   bench_comm [path/to/tesk-sim] [--decode-only] [--trace]
//
// Starts tesk-sim with N controllers (127.0.5.1 ...) of 200 variables each,
// 100 of them bound into the scheme, and times one reader pass, the same N
// connect/send/receive/close sequences done one after another by a blocking
// client, and all N at once by a client on non-blocking sockets and poll(),
// turn about. Prints medians and ratios. The link's debug trace is switched
// off as in a quiet installation; --trace formats it (and throws it away).

#include "commandlanguage.h"
#include "dataread.h"
#include "schemereplydecoder.h"
#include "teskframe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryFile>
#include <QTextStream>

#include <algorithm>

#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int kVariables = 200;
constexpr int kBound = 100;

QString address(int i)
{
    return QStringLiteral("127.0.5.%1").arg(i + 1);
}

QByteArray simConfig(int controllers)
{
    QByteArray xml = "<TeskSim>";
    for (int c = 0; c < controllers; ++c) {
        xml += "<Controller address=\"" + address(c).toLatin1() + "\" port=\"16483\">";
        for (int v = 0; v < kVariables; ++v) {
            const QByteArray name = "c" + QByteArray::number(c) + ".v" + QByteArray::number(v);
            xml += v % 2 ? "<Variable name=\"" + name + "\" type=\"int\" value=\"" + QByteArray::number(v) + "\"/>"
                         : "<Variable name=\"" + name + "\" type=\"phy_temperature\" value=\"215\" drift=\"1\" min=\"0\" max=\"900\"/>";
        }
        xml += "</Controller>";
    }
    return xml + "</TeskSim>";
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

sockaddr_in controllerAddress(const QString &host)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(16483);
    ::inet_pton(AF_INET, host.toLatin1().constData(), &addr.sin_addr);
    return addr;
}

// One request the way the simplest client does it: block until done.
bool blockingRequest(const QString &host, const QByteArray &frame)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = controllerAddress(host);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0
        && ::send(fd, frame.constData(), size_t(frame.size()), 0) == frame.size();
    char buffer[65536];
    qint64 total = 0;
    for (ssize_t n; ok && (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        total += n;
    ::close(fd);
    return ok && total > 0;
}

double bareClientPass(int controllers)
{
    const QByteArray frame = TeskFrame::encode("get_all;");
    QElapsedTimer t;
    t.start();
    for (int c = 0; c < controllers; ++c) {
        if (!blockingRequest(address(c), frame))
            qFatal("the simulator did not answer %s", qPrintable(address(c)));
    }
    return t.nsecsElapsed() / 1e6;
}

// All requests at once on non-blocking sockets, driven by poll(): each
// connection sends its frame once connected and reads until the controller
// closes it.
double concurrentClientPass(int controllers)
{
    const QByteArray frame = TeskFrame::encode("get_all;");
    QElapsedTimer t;
    t.start();
    std::vector<pollfd> fds(static_cast<size_t>(controllers));
    std::vector<qint64> received(size_t(controllers), 0);
    for (int c = 0; c < controllers; ++c) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in addr = controllerAddress(address(c));
        ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
        fds[size_t(c)] = {fd, POLLOUT, 0};
    }
    char buffer[65536];
    for (int open = controllers; open > 0;) {
        if (::poll(fds.data(), fds.size(), 10000) <= 0)
            qFatal("the simulator did not answer in time");
        for (size_t c = 0; c < fds.size(); ++c) {
            pollfd &p = fds[c];
            if (p.fd < 0 || p.revents == 0)
                continue;
            if (p.events == POLLOUT) {
                if (::send(p.fd, frame.constData(), size_t(frame.size()), 0) != frame.size())
                    qFatal("cannot send to %s", qPrintable(address(int(c))));
                p.events = POLLIN;
                continue;
            }
            const ssize_t n = ::recv(p.fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                received[c] += n;
                continue;
            }
            if (received[c] == 0)
                qFatal("the simulator did not answer %s", qPrintable(address(int(c))));
            ::close(p.fd);
            p.fd = -1;
            --open;
        }
    }
    return t.nsecsElapsed() / 1e6;
}

double readerPass(DataRead &reader)
{
    QEventLoop loop;
    QObject::connect(&reader, &DataRead::allDataRead, &loop, &QEventLoop::quit);
    QElapsedTimer t;
    t.start();
    reader.start();
    loop.exec();
    return t.nsecsElapsed() / 1e6;
}

void configureReader(DataRead &reader, int controllers)
{
    QList<TeskSchemeVariable> variables;
    DeviceList devices;
    for (int c = 0; c < controllers; ++c) {
        const QString id = QStringLiteral("C%1").arg(c);
        devices.append({id, address(c), QString(), QString()});
        for (int v = 0; v < kBound; ++v) {
            const QString name = QStringLiteral("c%1.v%2").arg(c).arg(v * 2 + 1);
            variables.append({id, name, name, QStringLiteral("int"), QString()});
        }
    }
    QObject::connect(&reader, &DataRead::readTimeout, [](const QString &m) { qFatal("%s", qPrintable(m)); });
    reader.setScheme(variables, {}, devices);
}

// The processor time this process spent, in ms: unlike the elapsed time it
// does not grow with the load other processes put on the machine.
double cpuMs()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void passes(QTextStream &out, int controllers, int rounds)
{
    DataRead reader;
    configureReader(reader, controllers);
    readerPass(reader); // warm up
    bareClientPass(controllers);
    concurrentClientPass(controllers);
    QVector<double> ours, blocking, concurrent, oursCpu, concurrentCpu;
    for (int r = 0; r < rounds; ++r) {
        double cpu = cpuMs();
        ours << readerPass(reader);
        oursCpu << cpuMs() - cpu;
        blocking << bareClientPass(controllers);
        cpu = cpuMs();
        concurrent << concurrentClientPass(controllers);
        concurrentCpu << cpuMs() - cpu;
    }
    out << "reader pass, " << controllers << " controllers: " << median(ours) << " ms; bare blocking client: "
        << median(blocking) << " ms, ratio " << median(ours) / median(blocking) << "; bare client, all at once: "
        << median(concurrent) << " ms, ratio " << median(ours) / median(concurrent) << "; processor time "
        << median(oursCpu) << " ms against " << median(concurrentCpu) << " ms\n";
}

void decoding(QTextStream &out)
{
    QString reply = QStringLiteral("get_all(");
    QList<TeskSchemeVariable> variables;
    for (int e = 0; e < 5000; ++e) {
        const QString name = QStringLiteral("grp%1.var%2").arg(e % 50).arg(e);
        reply += e % 2 ? name + QStringLiteral("=") + QString::number(e) + QLatin1Char(';')
                       : name + QStringLiteral(".value=") + QString::number(e) + QLatin1Char(';');
        if (e % 5 < 2)
            variables.append({QStringLiteral("A"), name, name, e % 2 ? QStringLiteral("int") : QStringLiteral("temp"), QString()});
    }
    reply += QStringLiteral(");");
    const SchemeReplyDecoder decoder(variables);
    QVector<double> ours, floor;
    for (int r = 0; r < 41; ++r) {
        QElapsedTimer t;
        t.start();
        int delivered = 0;
        {
            // What the reader does with a reply: prepare it, decode every
            // variable, keep the values.
            QVector<QPair<QString, QString>> values;
            for (const SchemeReplyDecoder::Report &report : decoder.decode(QStringLiteral("A"), CommandLanguage::prepareValueRefs(reply))) {
                if (report.present)
                    values.append({decoder.variable(report.variable).qmlVar, report.value});
            }
            delivered = values.size();
        }
        ours << t.nsecsElapsed() / 1e6;
        int parts = 0;
        t.restart();
        {
            // The reply split into strings, and freed again.
            parts = CommandLanguage::prepareValues(reply).size();
        }
        floor << t.nsecsElapsed() / 1e6;
        if (parts != 5001 || delivered != variables.size())
            qFatal("decoding went wrong: %d parts, %d values", parts, delivered);
    }
    out << "decode 5000 entries, " << variables.size() << " variables: " << median(ours)
        << " ms; plain split: " << median(floor) << " ms; ratio " << median(ours) / median(floor) << "\n";
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (type != QtDebugMsg)
        QTextStream(stderr) << msg << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--trace")))
        qInstallMessageHandler(quiet);
    else
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTextStream out(stdout);
    const QString sim = argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1])
                                 : QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/sim/tesk-sim");
    decoding(out);
    out.flush();
    if (app.arguments().contains(QStringLiteral("--decode-only")))
        return 0;
    for (const int controllers : {10, 100}) {
        QTemporaryFile config;
        config.open();
        config.write(simConfig(controllers));
        config.flush();
        QProcess process;
        process.start(sim, {QStringLiteral("--config"), config.fileName()});
        for (int lines = 0; lines < controllers && process.waitForReadyRead(10000);)
            lines += process.readAll().count('\n');
        if (process.state() != QProcess::Running)
            qFatal("tesk-sim did not start: %s", qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        passes(out, controllers, controllers == 10 ? 31 : 21);
        out.flush();
        process.kill();
        process.waitForFinished();
    }
    return 0;
}
