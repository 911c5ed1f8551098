#include "commandlanguage.h"
#include "simulator.h"
#include "testnet.h"

#include <QtTest>

using namespace CommandLanguage;

namespace {

const QString kConfig = QStringLiteral(R"(<TeskSim>
 <Controller name="boiler" address="%1" port="0" seed="3">
  <Identity mac="00:1a:2b:3c:4d:5e" serial="12-7-A-5" version="1.4.2"/>
  <Variable name="b.pump" type="on_off" modify="1" value="0"/>
  <Variable name="b.t1" type="phy_temperature" min="-400" max="1100" value="215" follow="b.pump" on="700" off="200" rate="0.5"/>
  <Variable name="b.set" type="int" modify="1" min="300" max="800" value="650"/>
  <Variable name="b.valve" type="percent" modify="1" min="0" max="100" value="95" drift="10"/>
  <Variable name="b.name" type="string" value="Kocioł 1"/>
  <Variable name="b.ip" type="ipquad" value="10.0.0.7"/>
 </Controller>
 <Controller name="ahu" address="%2" port="0" fault="silent"/>
</TeskSim>)");

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_sim.loadXml(kConfig.arg(TestNet::host(1), TestNet::host(2)).toUtf8(), &error), qPrintable(error));
        QVERIFY2(m_sim.start(&error, 3600 * 1000), qPrintable(error));
        m_boiler = m_sim.server(QStringLiteral("boiler"));
        QCOMPARE(m_sim.server(QStringLiteral("ahu"))->fault(), SimFault::Silent);
    }

    void answers()
    {
        SimController &c = m_boiler->controller();
        QCOMPARE(c.answer(getAllCommand()), "get_all(b.pump=0;b.t1.value=215;b.t1.err=0;b.set=650;b.valve=95;"
                                            "b.name=Kocioł 1;b.ip.0=10;b.ip.1=0;b.ip.2=0;b.ip.3=7;);");
        const QString description = c.answer(describeAllCommand());
        QCOMPARE(variableCatalogue(prepareDescription(description)),
                 QStringList({"b.pump", "b.t1", "b.set", "b.valve", "b.name", "b.ip"}));
        const Identity id = composeIdentity(prepareForDeviceEditor(c.answer(identityCommand())));
        QCOMPARE(id.mac + ' ' + id.serial + ' ' + id.version, "00:1a:2b:3c:4d:5e 0012-0007-A-000005 1.4.2");
        QCOMPARE(c.answer(getCommand({"b.t1", "nope", "b.set"})), "get(b.t1.value=215;b.t1.err=0;b.set=650;);");

        // Clamped to the limits; refused without modify or when not a number.
        QCOMPARE(c.answer(setCommand({{"b.set", "999"}, {"b.name", "x"}, {"b.valve", "abc"}})), "set(b.set=800;);");
        QCOMPARE(c.answer("set(b.set=100;b.pump=7;);"), "set(b.set=300;b.pump=1;);");
        c.answer("set(b.set=650;b.pump=0;);");
    }

    void behaviourOverTime()
    {
        SimController &c = m_boiler->controller();
        c.variable("b.pump")->number = 1, c.variable("b.t1")->number = 200;
        c.step(1.0); // halfway to the pump's 70.0 °C
        QCOMPARE(c.valueText("b.t1"), "450");
        c.variable("b.pump")->number = 0;
        c.step(2.0); // rate × time reaches the target at once
        QCOMPARE(c.valueText("b.t1"), "200");
        c.variable("b.valve")->number = 95, c.variable("b.valve")->drift = 10;
        c.step(1.0); // the valve drifts up to its max, then turns back
        QCOMPARE(c.valueText("b.valve"), "100");
        c.step(1.0);
        QCOMPARE(c.valueText("b.valve"), "90");
    }

    void configErrors()
    {
        Simulator sim;
        QString error;
        QVERIFY(!sim.loadXml("<TeskSim><Controller", &error) && error.startsWith("line "));
        QVERIFY(!sim.loadXml("<TeskSim><Controller address=\"nowhere\"/></TeskSim>", &error) && error.contains("nowhere"));
        QVERIFY(!sim.loadXml("<TeskSim><Controller address=\"127.0.2.9\" fault=\"sometimes\"/></TeskSim>", &error));
        QVERIFY(!sim.load("/no/such/file.xml", &error) && sim.servers().isEmpty());

        // Two controllers on one address and port: the second cannot listen.
        Simulator clash;
        const QString twice = QStringLiteral("<Controller address=\"%1\" port=\"16483\"/>").arg(TestNet::host(4));
        QVERIFY(clash.loadXml(("<TeskSim>" + twice + twice + "</TeskSim>").toUtf8(), &error));
        QVERIFY(!clash.start(&error) && error.startsWith(TestNet::host(4) + ":16483"));
    }

private:
    Simulator m_sim;
    SimServer *m_boiler = nullptr;
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
