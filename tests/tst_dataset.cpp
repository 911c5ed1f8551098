#include "dataset.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "teskframe.h"
#include "testnet.h"

#include <QtTest>

namespace {

constexpr int kTimeoutMs = 300;
QStringList g_debug;

EventItemRecord item(const QString &device, const QString &property, const QString &type, const QString &name = {})
{
    return {type, property, device, name, {}};
}

TeskSchemeVariable write(const QString &device, const QString &devVar, const QString &value)
{
    return {device, devVar, QString(), QString(), value};
}

// Every signal of the writer as one line, in order.
struct Reports : QObject
{
    explicit Reports(DataSet *w)
    {
        setParent(w);
        auto add = [this](const QString &name, const QStringList &args) { log << (QStringList(name) + args).join(' '); };
        connect(w, &DataSet::dataReady, this, [=](const QStringList &l) { add("value", l); });
        connect(w, &DataSet::allDataReady, this, [=](const QList<TeskSchemeVariable> &l) { list = l; add("allRead", {}); });
        // By then the next controller has been asked.
        connect(w, &DataSet::dataSet, this, [=] { add("set", {TeskFrame::replyText(w->link()->requestFrame())}); });
        connect(w, &DataSet::allDataSet, this, [=] { add("allSet", {}); });
        connect(w, &DataSet::writeTimeout, this, [=](const QString &a) { add("timeout", {a}); });
        connect(w, &DataSet::badReply, this, [=](const QString &a) { add("bad", {a}); });
        connect(w, &DataSet::writeRefused, this, [=](const QStringList &l) { add("refused", l); });
        connect(w, &DataSet::writeChanged, this, [=](const QStringList &l) { add("changed", l); });
    }
    QStringList log;
    QList<TeskSchemeVariable> list;
};

} // namespace

class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readBackThenWriteTwoControllers();
    void writesAreCheckedAgainstTheReply();
    void failingController_data();
    void failingController();
    void stopAbandonsTheRequest();

private:
    DataSet *writer(const QList<SimServer *> &targets, Reports **reports);

    SimServer *m_a = nullptr;
    SimServer *m_b = nullptr;
    SimServer *m_f = nullptr;
    DeviceList m_devices;
};

void TestDataSet::initTestCase()
{
    // A answers at the default port, which its record leaves empty.
    m_a = SimControllers::start(this, TestNet::host(11), R"(
        <Variable name="x" type="int" modify="1" value="4"/>
        <Variable name="y" type="phy_temperature" modify="1" max="900" value="215"/>
        <Variable name="r" type="int" value="3"/>)", 16483);
    m_b = SimControllers::start(this, TestNet::host(12), R"(<Variable name="x" type="on_off" modify="1" value="1"/>)");
    m_f = SimControllers::start(this, TestNet::host(13), R"(<Variable name="f" type="int" modify="1" value="1"/>)");
    m_devices = {{"A", TestNet::host(11), QString(), QString()}, SimControllers::device("B", m_b),
                 SimControllers::device("F", m_f)};
}

DataSet *TestDataSet::writer(const QList<SimServer *> &targets, Reports **reports)
{
    auto *w = new DataSet(this);
    w->link()->setTimeoutMs(kTimeoutMs);
    *reports = new Reports(w);
    QStringList addresses;
    QStringList ports;
    for (SimServer *s : targets) {
        const DeviceRecord &d = m_devices.at(s == m_a ? 0 : s == m_b ? 1 : 2);
        addresses << d.networkAdress;
        ports << d.port;
    }
    w->setTargets(addresses, ports);
    w->setDevices(m_devices);
    return w;
}

void TestDataSet::readBackThenWriteTwoControllers()
{
    Reports *reports;
    DataSet *w = writer({m_a, m_b}, &reports);
    w->setEvent({"e", {item("A", "x", "int", "Nastawa"), item("B", "x", "combo", "Pompa"), item("A", "y", "temp", "Temperatura")}});
    w->readValues();
    QTRY_VERIFY(reports->log.contains("allRead"));
    // Each controller is asked only for its own variables, though both have an x.
    QCOMPARE(m_a->lastCommand(), QStringLiteral("get(x;y;);"));
    QCOMPARE(m_b->lastCommand(), QStringLiteral("get(x;);"));
    const QString a = TestNet::host(11);
    const QString b = TestNet::host(12);
    QCOMPARE(reports->log, QStringList({"value " + a + " Nastawa 4", "value " + a + " Temperatura 21.5",
                                        "value " + b + " Pompa 1", "allRead"}));
    QCOMPARE(reports->list.at(1).value, QStringLiteral("1")); // not decoded, passed on as it came

    QList<TeskSchemeVariable> values = reports->list;
    values[0].value = "12";
    values[1].value = "0";
    values[2].value = "225"; // written exactly as given
    reports->log.clear();
    g_debug.clear();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { g_debug << text; });
    w->writeValues(values);
    QTRY_VERIFY(reports->log.contains("allSet"));
    qInstallMessageHandler(nullptr);
    QCOMPARE(reports->log, QStringList({"set set(x=0;);", "allSet"}));
    QVERIFY(g_debug.contains(a + ": x=12;y=225;"));
    QVERIFY(g_debug.contains(b + ": x=0;"));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("set(x=12;y=225;);"));
    QCOMPARE(m_a->controller().valueText("y"), QStringLiteral("225"));

    // The next event starts at the first controller again.
    reports->log.clear();
    w->readValues();
    QTRY_VERIFY(reports->log.contains("allRead"));
    QCOMPARE(reports->log.first(), "value " + a + " Nastawa 12");
}

void TestDataSet::writesAreCheckedAgainstTheReply()
{
    Reports *reports;
    DataSet *w = writer({m_a}, &reports);
    const QString a = TestNet::host(11);
    w->writeValues({write("A", "x", "012"), write("A", "y", "950"), write("A", "r", "5")});
    QTRY_VERIFY(reports->log.contains("allSet"));
    QCOMPARE(reports->log, QStringList({"changed " + a + " y 950 900", "refused " + a + " r 5", "allSet"}));
    // A controller that refuses everything answers with no entries at all.
    reports->log.clear();
    w->writeValues({write("A", "r", "6")});
    QTRY_VERIFY(reports->log.contains("allSet"));
    QCOMPARE(reports->log, QStringList({"refused " + a + " r 6", "allSet"}));
}

void TestDataSet::failingController_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("report");
    QTest::newRow("silent at read-back") << int(SimFault::Silent) << false << "timeout";
    QTest::newRow("garbage at read-back") << int(SimFault::Garbage) << false << "bad";
    QTest::newRow("silent at write") << int(SimFault::Silent) << true << "timeout";
    QTest::newRow("garbage at write") << int(SimFault::Garbage) << true << "bad";
}

// A failed read-back drops the event, and the next one asks every controller
// from the first; a failed write leaves the others written.
void TestDataSet::failingController()
{
    QFETCH(int, fault);
    QFETCH(bool, writing);
    QFETCH(QString, report);
    m_f->setFault(SimFault(fault));
    Reports *reports;
    DataSet *w = writer(writing ? QList<SimServer *>{m_f, m_a} : QList<SimServer *>{m_a, m_f}, &reports);
    w->setEvent({"e", {item("A", "x", "int"), item("F", "f", "int")}});
    const QString failed = report + QLatin1Char(' ') + TestNet::host(13);
    if (writing) {
        w->writeValues({write("F", "f", "2"), write("A", "x", "5")});
        QTRY_VERIFY(reports->log.contains("allSet"));
        QCOMPARE(reports->log, QStringList({failed, "set set(x=5;);", "allSet"}));
        QCOMPARE(m_a->lastCommand(), QStringLiteral("set(x=5;);"));
    } else {
        w->readValues();
        QTRY_COMPARE(reports->log.value(reports->log.size() - 1), failed);
        QVERIFY(!w->isBusy());
        m_f->setFault(SimFault::None);
        const int asked = m_a->requestCount();
        reports->log.clear();
        w->readValues();
        QTRY_VERIFY(reports->log.contains("allRead"));
        QCOMPARE(m_a->requestCount(), asked + 1);
    }
    m_f->setFault(SimFault::None);
}

void TestDataSet::stopAbandonsTheRequest()
{
    m_f->setFault(SimFault::Silent);
    Reports *reports;
    DataSet *w = writer({m_f}, &reports);
    w->setEvent({"e", {item("F", "f", "int")}});
    w->readValues();
    QTRY_COMPARE(m_f->requestCount() > 0, true);
    w->stop();
    QTest::qWait(kTimeoutMs * 2);
    QVERIFY(reports->log.isEmpty());
    QVERIFY(!w->isBusy());
    m_f->setFault(SimFault::None);
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
