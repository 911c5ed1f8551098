#include "commandlanguage.h"
#include "qteskcmd.h"
#include "simulator.h"
#include "testnet.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Addresses of their own, so a running demo on 127.0.0.2... never collides.
const QByteArray kConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<TeskSim>
 <Controller name="boiler" address="127.0.2.1" port="0" seed="3">
  <Identity mac="00:1a:2b:3c:4d:5e" serial="12-7-A-5" version="1.4.2"/>
  <Variable name="b.pump" type="on_off" modify="1" value="0"/>
  <Variable name="b.t1" type="phy_temperature" min="-400" max="1100" value="215"
            follow="b.pump" on="700" off="200" rate="0.5"/>
  <Variable name="b.set" type="int" modify="1" min="300" max="800" value="650"/>
  <Variable name="b.valve" type="percent" modify="1" min="0" max="100" value="95" drift="10"/>
  <Variable name="b.name" type="string" value="Kocioł 1"/>
  <Variable name="b.ip" type="ipquad" value="10.0.0.7"/>
 </Controller>
 <Controller name="ahu" address="127.0.2.2" port="0" fault="silent"/>
</TeskSim>
)";

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void getAll();
    void describeAll();
    void identity();
    void getNamed();
    void setRules();
    void faultModes_data();
    void faultModes();
    void behaviourOverTime();
    void configErrors();

private:
    // Sends one command through the real link and returns the reply text, or
    // "<timeout>".
    QString ask(SimServer *server, const QString &command, int timeoutMs = 600);

    Simulator m_sim;
    SimServer *m_boiler = nullptr;
};

void TestSimulator::initTestCase()
{
    QString error;
    QVERIFY2(m_sim.loadXml(kConfig, &error), qPrintable(error));
    QVERIFY2(m_sim.start(&error, 3600 * 1000), qPrintable(error));
    m_boiler = m_sim.server(QStringLiteral("boiler"));
    QVERIFY(m_boiler);
    QCOMPARE(m_boiler->address().toString(), QStringLiteral("127.0.2.1"));
    QCOMPARE(m_sim.server(QStringLiteral("ahu"))->fault(), SimFault::Silent);
}

QString TestSimulator::ask(SimServer *server, const QString &command, int timeoutMs)
{
    QTeskCmd link;
    link.setTimeoutMs(timeoutMs);
    QSignalSpy data(&link, qOverload<QString>(&QTeskCmd::dataReady));
    QSignalSpy timeout(&link, &QTeskCmd::timeout);
    link.sendRequest(server->address().toString(), command, server->port());
    if (!QTest::qWaitFor([&] { return !data.isEmpty() || !timeout.isEmpty(); }, timeoutMs + 3000))
        return QStringLiteral("<nothing>");
    return data.isEmpty() ? QStringLiteral("<timeout>") : data.first().first().toString();
}

void TestSimulator::getAll()
{
    const QString reply = ask(m_boiler, CommandLanguage::getAllCommand());
    QCOMPARE(reply, QStringLiteral("get_all(b.pump=0;b.t1.value=215;b.t1.err=0;b.set=650;b.valve=95;"
                                   "b.name=Kocioł 1;b.ip.0=10;b.ip.1=0;b.ip.2=0;b.ip.3=7;);"));
    const QStringList parts = CommandLanguage::prepareValues(reply);
    QVERIFY(CommandLanguage::isProcessable(parts));
    QCOMPARE(parts.last(), QString());
}

void TestSimulator::describeAll()
{
    const QString reply = ask(m_boiler, CommandLanguage::describeAllCommand());
    QVERIFY(reply.contains(QStringLiteral("b.set.type=int;b.set.modify=1;b.set.max=800;b.set.min=300;")));
    QVERIFY(reply.contains(QStringLiteral("b.name.type=string;b.name.modify=0;b.ip.type=ipquad;")));
    QCOMPARE(CommandLanguage::variableCatalogue(CommandLanguage::prepareDescription(reply)),
             QStringList({QStringLiteral("b.pump"), QStringLiteral("b.t1"), QStringLiteral("b.set"),
                          QStringLiteral("b.valve"), QStringLiteral("b.name"), QStringLiteral("b.ip")}));
}

void TestSimulator::identity()
{
    const QString reply = ask(m_boiler, CommandLanguage::identityCommand());
    const auto id = CommandLanguage::composeIdentity(CommandLanguage::prepareForDeviceEditor(reply));
    QCOMPARE(id.mac, QStringLiteral("00:1a:2b:3c:4d:5e"));
    QCOMPARE(id.serial, QStringLiteral("0012-0007-A-000005"));
    QCOMPARE(id.version, QStringLiteral("1.4.2"));
}

void TestSimulator::getNamed()
{
    QCOMPARE(ask(m_boiler, CommandLanguage::getCommand({QStringLiteral("b.t1"), QStringLiteral("nope"), QStringLiteral("b.set")})),
             QStringLiteral("get(b.t1.value=215;b.t1.err=0;b.set=650;);"));
}

void TestSimulator::setRules()
{
    // Clamped to max; refused without modify; refused when not a number.
    const QString reply = ask(m_boiler, CommandLanguage::setCommand({{QStringLiteral("b.set"), QStringLiteral("999")},
                                                                   {QStringLiteral("b.name"), QStringLiteral("x")},
                                                                   {QStringLiteral("b.valve"), QStringLiteral("abc")}}));
    QCOMPARE(reply, QStringLiteral("set(b.set=800;);"));
    QCOMPARE(m_boiler->controller().valueText(QStringLiteral("b.name")), QStringLiteral("Kocioł 1"));
    QCOMPARE(ask(m_boiler, QStringLiteral("set(b.set=100;b.pump=7;);")), QStringLiteral("set(b.set=300;b.pump=1;);"));
    QCOMPARE(ask(m_boiler, QStringLiteral("set(b.pump=0;);")), QStringLiteral("set(b.pump=0;);"));
    QCOMPARE(m_boiler->lastCommand(), QStringLiteral("set(b.pump=0;);"));
}

void TestSimulator::faultModes_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("expected"); // "" means any reply text
    QTest::newRow("silent") << int(SimFault::Silent) << "<timeout>";
    QTest::newRow("keep open") << int(SimFault::KeepOpen) << "<timeout>";
    QTest::newRow("delay") << int(SimFault::Delay) << "get(b.set=650;);";
    QTest::newRow("short frame") << int(SimFault::Short) << "";
    QTest::newRow("garbage") << int(SimFault::Garbage) << "*";
    QTest::newRow("trickle") << int(SimFault::Trickle) << "<timeout>";
    QTest::newRow("refuse") << int(SimFault::Refuse) << "<timeout>";
    QTest::newRow("none again") << int(SimFault::None) << "get(b.set=650;);";
}

void TestSimulator::faultModes()
{
    QFETCH(int, fault);
    QFETCH(QString, expected);
    SimController c;
    SimVariable v;
    v.name = QStringLiteral("b.set");
    v.number = 650;
    c.variables.append(v);
    SimServer server(c, QHostAddress(QStringLiteral("127.0.2.3")), 0);
    QVERIFY(server.start());
    server.setFault(SimFault(fault), 150);
    const QString reply = ask(&server, QStringLiteral("get(b.set;);"));
    if (expected == QLatin1String("*"))
        QVERIFY(reply != QLatin1String("<timeout>") && reply != QLatin1String("<nothing>"));
    else
        QCOMPARE(reply, expected);
}

void TestSimulator::behaviourOverTime()
{
    SimController &c = m_boiler->controller();
    c.variable(QStringLiteral("b.pump"))->number = 1;
    c.variable(QStringLiteral("b.t1"))->number = 200;
    c.step(1.0); // halfway to the pump's 70.0 °C
    QCOMPARE(c.valueText(QStringLiteral("b.t1")), QStringLiteral("450"));
    c.variable(QStringLiteral("b.pump"))->number = 0;
    c.step(2.0); // rate × time reaches the target at once
    QCOMPARE(c.valueText(QStringLiteral("b.t1")), QStringLiteral("200"));

    // The valve drifts up to its max, then turns back.
    c.variable(QStringLiteral("b.valve"))->number = 95;
    c.variable(QStringLiteral("b.valve"))->drift = 10;
    c.step(1.0);
    QCOMPARE(c.valueText(QStringLiteral("b.valve")), QStringLiteral("100"));
    c.step(1.0);
    QCOMPARE(c.valueText(QStringLiteral("b.valve")), QStringLiteral("90"));

    SimController noisy(11);
    SimVariable n;
    n.name = QStringLiteral("n");
    n.type = QStringLiteral("phy_temperature");
    n.number = 100;
    n.noise = 5;
    n.hasMin = n.hasMax = true;
    n.min = 90;
    n.max = 110;
    noisy.variables.append(n);
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        noisy.step(1.0);
        const int value = noisy.valueText(QStringLiteral("n")).toInt();
        QVERIFY(value >= 90 && value <= 110);
        seen.insert(noisy.valueText(QStringLiteral("n")));
    }
    QVERIFY(seen.size() > 5);
}

void TestSimulator::configErrors()
{
    Simulator sim;
    QString error;
    QVERIFY(!sim.loadXml("<TeskSim><Controller", &error));
    QVERIFY(error.startsWith(QStringLiteral("line ")));
    QVERIFY(!sim.loadXml("<TeskSim><Controller address=\"nowhere\"/></TeskSim>", &error));
    QVERIFY(error.contains(QStringLiteral("nowhere")));
    QVERIFY(!sim.loadXml("<TeskSim><Controller address=\"127.0.2.9\" fault=\"sometimes\"/></TeskSim>", &error));
    QVERIFY(!sim.load(QStringLiteral("/no/such/file.xml"), &error));
    QVERIFY(sim.servers().isEmpty());

    // Two controllers on one address and port: the second cannot listen.
    Simulator clash;
    const QString host = TestNet::host(4);
    const QString twice = QStringLiteral("<Controller address=\"%1\" port=\"16483\"/>").arg(host);
    QVERIFY(clash.loadXml(("<TeskSim>" + twice + twice + "</TeskSim>").toUtf8(), &error));
    QVERIFY(!clash.start(&error));
    QVERIFY(error.startsWith(host + QStringLiteral(":16483")));
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
