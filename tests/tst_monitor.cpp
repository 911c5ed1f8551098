#include "dataread.h"
#include "pollhub.h"
#include "samplefilter.h"
#include "simcontrollers.h"
#include "sitemonitor.h"
#include "testnet.h"

#include <QtTest>

using Quality = HistorySample::Quality;

namespace {

MonitoringPoint point(const char *id, const char *device, const char *devVar, const char *type,
                      const char *record = "change", double deadband = 0, int maxGap = 0)
{
    return {id, device, devVar, type, QString(), QString(), record, deadband, maxGap};
}

// Each reading as "point=value" or "point:quality".
QStringList texts(const QVector<HistorySample> &samples)
{
    static const char *names[] = {"good", "noanswer", "missing", "error"};
    QStringList out;
    for (const HistorySample &s : samples) {
        out << (s.quality == Quality::Good ? s.point + '=' + QString::number(s.value)
                                           : s.point + ':' + names[int(s.quality)]
                    + (s.quality == Quality::Error ? '=' + QString::number(s.value) : QString()));
    }
    return out;
}

struct Passes : QObject
{
    explicit Passes(SiteMonitor *m)
    {
        connect(m, &SiteMonitor::passDone, this, [this](const QVector<HistorySample> &r) { all << texts(r); });
    }
    QList<QStringList> all;
};

} // namespace

class TestMonitor : public QObject
{
    Q_OBJECT

private slots:
    // Deadband, any change for logic, a heartbeat after maxGap, every pass for
    // "interval", and a change of quality always.
    void recordingRules()
    {
        SampleFilter filter;
        filter.setPoints({point("t", "K", "t", "temp", "change", 0.5, 60), point("p", "K", "p", "logic"),
                          point("i", "K", "i", "int", "interval")});
        const auto pass = [&](qint64 s, double t, double p, Quality q = Quality::Good) {
            return texts(filter.recorded({{"t", s * 1000, t, q}, {"p", s * 1000, p, q}, {"i", s * 1000, 1, Quality::Good}}));
        };
        QCOMPARE(pass(0, 20.0, 1), QStringList({"t=20", "p=1", "i=1"}));
        QCOMPARE(pass(10, 20.5, 1), QStringList({"i=1"}));           // within the deadband
        QCOMPARE(pass(20, 20.6, 0), QStringList({"t=20.6", "p=0", "i=1"}));
        QCOMPARE(pass(30, 20.9, 0), QStringList({"i=1"}));           // measured from the last recorded
        QCOMPARE(pass(80, 20.9, 0), QStringList({"t=20.9", "i=1"})); // a flat line told from a dead one
        QCOMPARE(pass(90, 20.9, 0, Quality::NoAnswer), QStringList({"t:noanswer", "p:noanswer", "i=1"}));
        QCOMPARE(pass(100, 0, 0, Quality::NoAnswer), QStringList({"i=1"}));
        QCOMPARE(pass(110, 20.9, 0), QStringList({"t=20.9", "p=0", "i=1"}));
        filter.setPoints({point("t", "K", "t", "temp", "change", 0.5, 60)});
        QCOMPARE(pass(120, 21.0, 1), QStringList()); // the rest no longer monitored
    }

    // Values decoded as on a scheme; a variable the reply lacks, an error
    // attribute, a silent controller and one the device list lacks each say so;
    // the silent one's points come back with it.
    void readingsOfAPass()
    {
        SimServer *k1 = SimControllers::start(this, TestNet::host(1), R"(
        <Variable name="t" type="phy_temperature" value="215"/><Variable name="f" type="phy_temperature" value="30" err="4"/>
        <Variable name="p" type="on_off" value="1"/><Variable name="r" type="int" value="725"/>)");
        SimServer *k2 = SimControllers::start(this, TestNet::host(2), R"(<Variable name="x" type="int" value="7"/>)");
        PollHub hub;
        hub.setTimeoutMs(800);
        SiteMonitor monitor(&hub);
        MonitoringRecord record;
        record.interval = 1;
        record.points = {point("t", "K1", "t", "temp"), point("f", "K1", "f", "temp"), point("p", "K1", "p", "logic"),
                         point("r", "K1", "r", "real"), point("brak", "K1", "nope", "int"), point("x", "K2", "x", "int"),
                         point("obcy", "K9", "x", "int")};
        monitor.setSite(record, {SimControllers::device("K1", k1), SimControllers::device("K2", k2)});
        Passes passes(&monitor);
        monitor.start();
        QTRY_COMPARE(passes.all.size(), 1);
        QCOMPARE(passes.all.first(),
                 QStringList({"t=21.5", "f:error=3", "p=1", "r=725", "brak:missing", "x=7", "obcy:noanswer"}));

        k2->setFault(SimFault::Silent);
        QTRY_VERIFY_WITH_TIMEOUT(passes.all.last().contains("x:noanswer"), 5000);
        QVERIFY(passes.all.last().contains("t=21.5")); // the others go on
        k2->setFault(SimFault::None);
        QTRY_VERIFY_WITH_TIMEOUT(passes.all.last().contains("x=7"), 5000);
        monitor.stop();
        const int seen = passes.all.size();
        QTest::qWait(1500);
        QCOMPARE(passes.all.size(), seen);
    }

    // While the scheme on screen reads a controller the monitor reads too, the
    // controller gets one request, and its reply serves both.
    void oneRequestServesBothReaders()
    {
        SimServer *k = SimControllers::start(this, TestNet::host(3), R"(<Variable name="x" type="int" value="5"/>)");
        k->setFault(SimFault::Delay, 400);
        PollHub hub;
        DataRead reader;
        reader.setPollHub(&hub);
        reader.setScheme({{"K", "x", "x", "int", QString()}}, {}, {SimControllers::device("K", k)});
        QMap<QString, QString> shown;
        connect(&reader, &DataRead::allDataRead, this, [&shown](const QMap<QString, QString> &v) { shown = v; });
        SiteMonitor monitor(&hub);
        MonitoringRecord record;
        record.points = {point("x", "K", "x", "int")};
        monitor.setSite(record, {SimControllers::device("K", k)});
        Passes passes(&monitor);

        reader.start();
        QTRY_COMPARE(k->requestCount(), 1);
        monitor.start();
        QTRY_COMPARE(passes.all.size(), 1);
        QCOMPARE(passes.all.first(), QStringList("x=5"));
        QTRY_COMPARE(shown.value("x"), QStringLiteral("5"));
        QCOMPARE(k->requestCount(), 1);
        monitor.stop();
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
