// Polling controllers that are slow or dead: the bulk reader against the
// same controllers asked one after another through one link, as a reader
// that waits for each controller in turn does.
//
//   bench_comm_polling
//
// Serves simulated controllers in-process on 127.0.6.x (any free port).
// Latency: 20 controllers answering after 50 ms each; one pass, median of
// 11. A dead controller: 5 controllers, a refresh one interval (1 s) after
// each pass, the middle one silent from 15 s on; the periods between two
// value updates of the other four over 30 s (40 s for the one-after-another
// reader, whose stall outlasts 30 s).

#include "commandlanguage.h"
#include "dataread.h"
#include "qteskcmd.h"
#include "schemereplydecoder.h"
#include "simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

constexpr int kIntervalMs = 1000;

struct Scheme
{
    QList<TeskSchemeVariable> variables;
    DeviceList devices;
};

// Controllers with one variable each, x0, x1, ..., on addresses of their own.
Scheme serve(Simulator &sim, int controllers, int delayMs)
{
    QByteArray xml = "<TeskSim>";
    for (int c = 0; c < controllers; ++c) {
        xml += "<Controller address=\"127.0.6." + QByteArray::number(c + 1) + "\" port=\"0\" fault=\"delay\" delay=\""
            + QByteArray::number(delayMs) + "\"><Variable name=\"x" + QByteArray::number(c) + "\" value=\"1\"/></Controller>";
    }
    QString error;
    if (!sim.loadXml(xml + "</TeskSim>", &error) || !sim.start(&error))
        qFatal("cannot serve the controllers: %s", qPrintable(error));
    Scheme scheme;
    for (int c = 0; c < controllers; ++c) {
        SimServer *s = sim.servers().at(c);
        const QString id = QStringLiteral("C%1").arg(c);
        const QString name = s->controller().variables.first().name;
        scheme.devices.append({id, s->address().toString(), QString::number(s->port()), QString()});
        scheme.variables.append({id, name, name, QStringLiteral("int"), QString()});
    }
    return scheme;
}

// The controllers one after another through one link: each waited for until
// it answers or the link gives up.
class OneAfterAnother
{
public:
    OneAfterAnother(const Scheme &scheme, std::function<void(const QMap<QString, QString> &)> done)
        : m_scheme(scheme), m_decoder(scheme.variables), m_done(std::move(done))
    {
        QObject::connect(&m_link, qOverload<QString>(&QTeskCmd::dataReady), [this](const QString &reply) {
            for (const SchemeReplyDecoder::Report &r : m_decoder.decode(current().id, CommandLanguage::prepareValueRefs(reply))) {
                if (r.present)
                    m_values.insert(m_decoder.variable(r.variable).qmlVar, r.value);
            }
            next();
        });
        QObject::connect(&m_link, &QTeskCmd::timeout, [this] { next(); });
    }
    void start()
    {
        m_index = 0;
        m_values.clear();
        ask();
    }

private:
    const DeviceRecord &current() const { return m_scheme.devices.at(m_index); }
    void ask() { m_link.sendRequest(current().networkAdress, CommandLanguage::getAllCommand(), current().port.toUShort()); }
    void next()
    {
        if (++m_index < m_scheme.devices.size())
            ask();
        else
            m_done(m_values);
    }

    Scheme m_scheme;
    SchemeReplyDecoder m_decoder;
    std::function<void(const QMap<QString, QString> &)> m_done;
    QTeskCmd m_link;
    int m_index = 0;
    QMap<QString, QString> m_values;
};

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

void latency(QTextStream &out)
{
    Simulator sim;
    const Scheme scheme = serve(sim, 20, 50);
    QEventLoop *loop = nullptr;
    const auto quit = [&loop](const QMap<QString, QString> &values) {
        if (values.size() != 20)
            qFatal("a pass came back with %d values", int(values.size()));
        loop->quit();
    };
    DataRead reader;
    reader.setScheme(scheme.variables, {}, scheme.devices);
    OneAfterAnother sequential(scheme, quit);
    QObject::connect(&reader, &DataRead::allDataRead, quit);
    const auto pass = [&loop](const std::function<void()> &start) {
        QEventLoop l;
        loop = &l;
        QElapsedTimer t;
        t.start();
        start();
        l.exec();
        return t.nsecsElapsed() / 1e6;
    };
    QVector<double> concurrent, oneByOne;
    for (int r = 0; r < 11; ++r) {
        concurrent << pass([&] { reader.start(); });
        if (r < 3)
            oneByOne << pass([&] { sequential.start(); });
    }
    out << "latency, 20 controllers answering after 50 ms: one pass " << median(concurrent)
        << " ms; one after another " << median(oneByOne) << " ms\n";
}

// Starts a pass one interval after the start of the one before, or when it
// ends if it took longer, as the main window does, and returns the periods
// between two passes that brought the values of every controller but the
// one that turns silent.
QVector<double> deadControllerPeriods(bool concurrent, int runMs)
{
    Simulator sim;
    const Scheme scheme = serve(sim, 5, 0);
    QElapsedTimer clock, passClock;
    QVector<double> updates;
    QTimer refresh;
    refresh.setSingleShot(true);
    const auto done = [&](const QMap<QString, QString> &values) {
        if (values.contains("x0") && values.contains("x1") && values.contains("x3") && values.contains("x4"))
            updates << clock.elapsed() / 1000.0;
        refresh.start(int(qMax<qint64>(0, kIntervalMs - passClock.elapsed())));
    };
    DataRead reader;
    reader.setPassLimitMs(kIntervalMs);
    reader.setScheme(scheme.variables, {}, scheme.devices);
    QObject::connect(&reader, &DataRead::allDataRead, done);
    OneAfterAnother sequential(scheme, done);
    QObject::connect(&refresh, &QTimer::timeout, [&] {
        passClock.start();
        if (concurrent)
            reader.start();
        else
            sequential.start();
    });
    QTimer::singleShot(runMs / 2 > 15000 ? 15000 : runMs / 2, [&] { sim.servers().at(2)->setFault(SimFault::Silent); });
    QEventLoop loop;
    QTimer::singleShot(runMs, &loop, &QEventLoop::quit);
    clock.start();
    refresh.start(0);
    loop.exec();
    QVector<double> periods;
    for (int i = 1; i < updates.size(); ++i)
        periods << updates.at(i) - updates.at(i - 1);
    return periods;
}

void deadController(QTextStream &out)
{
    for (const bool concurrent : {true, false}) {
        const QVector<double> periods = deadControllerPeriods(concurrent, concurrent ? 30000 : 40000);
        out << "dead controller, interval 1 s, " << (concurrent ? "reader" : "one after another")
            << ": period between updates median " << median(periods) << " s, worst "
            << *std::max_element(periods.begin(), periods.end()) << " s (" << periods.size() << " periods)\n";
        out.flush();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QTextStream out(stdout);
    latency(out);
    out.flush();
    deadController(out);
    return 0;
}
