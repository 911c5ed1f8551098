#include "dataset.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "teskframe.h"
#include "testnet.h"

#include <QtTest>

Q_DECLARE_METATYPE(SimFault)

namespace {

EventItemRecord item(const char *device, const char *property, const char *type, const char *name = "")
{
    return {type, property, device, name, {}};
}

TeskSchemeVariable write(const char *device, const char *devVar, const char *value)
{
    return {device, devVar, QString(), QString(), value};
}

} // namespace

class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A answers at the default port, which its record leaves empty; B has a
        // variable of the same name as one of A's.
        m_a = SimControllers::start(this, m_hostA, R"(
        <Variable name="x" type="int" modify="1" value="4"/>
        <Variable name="y" type="phy_temperature" modify="1" max="900" value="215"/>
        <Variable name="r" type="int" value="3"/>)", 16483);
        SimServer *b = SimControllers::start(this, m_hostB, R"(<Variable name="x" type="on_off" modify="1" value="1"/>)");
        m_f = SimControllers::start(this, m_hostF, R"(<Variable name="f" type="int" modify="1" value="1"/>)");
        // P shares A's address on another port, and the name of a variable.
        m_p = SimControllers::start(this, m_hostA, R"(<Variable name="x" type="int" modify="1" value="9"/>)");
        m_devices = {{"A", m_hostA, QString(), QString()}, SimControllers::device("B", b), SimControllers::device("F", m_f),
                     SimControllers::device("P", m_p)};
    }

    void readBackThenWriteTwoControllers()
    {
        DataSet *w = writer({0, 1});
        w->setEvent({"e", {item("A", "x", "int", "Nastawa"), item("B", "x", "combo", "Pompa"), item("A", "y", "temp", "Temp")}});
        w->readValues();
        QTRY_VERIFY(m_log.contains("allRead"));
        QCOMPARE(m_a->lastCommand(), QStringLiteral("get(x;y;);")); // each asked for its own x only
        QCOMPARE(m_log, QStringList({"value " + m_hostA + " Nastawa 4", "value " + m_hostA + " Temp 21.5",
                                               "value " + m_hostB + " Pompa 1", "allRead"}));

        QList<TeskSchemeVariable> values = m_read;
        values[0].value = "12";
        values[1].value = "0";
        values[2].value = "225"; // written exactly as given
        m_log.clear();
        QTest::ignoreMessage(QtDebugMsg, qPrintable(m_hostA + ": x=12;y=225;"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(m_hostB + ": x=0;"));
        w->writeValues(values);
        QTRY_VERIFY(m_log.contains("allSet"));
        QCOMPARE(m_log, QStringList({"set set(x=0;);", "allSet"}));
        QCOMPARE(m_a->controller().valueText("y"), QStringLiteral("225"));
    }

    void writeOutcomes_data()
    {
        QTest::addColumn<SimFault>("fault"); // of F, written first
        QTest::addColumn<QList<TeskSchemeVariable>>("values");
        QTest::addColumn<QStringList>("log"); // {A} and {F} stand for their addresses
        QTest::newRow("kept, clamped, refused") << SimFault::None << QList<TeskSchemeVariable>({write("A", "x", "012"),
            write("A", "y", "950"), write("A", "r", "5")}) << QStringList({"changed {A} y 950 900", "refused {A} r 5", "allSet"});
        // A controller that refuses everything answers with no entries at all.
        QTest::newRow("all refused") << SimFault::None << QList<TeskSchemeVariable>({write("A", "r", "6")})
                                     << QStringList({"refused {A} r 6", "allSet"});
        for (SimFault fault : {SimFault::Silent, SimFault::Garbage, SimFault::Short}) {
            QTest::newRow(qPrintable("F " + simFaultName(fault)))
                << fault << QList<TeskSchemeVariable>({write("F", "f", "2"), write("A", "x", "5")})
                << QStringList({fault == SimFault::Silent ? "timeout {F}" : "bad {F}", "set set(x=5;);", "allSet"});
        }
    }

    // Each controller's reply is checked against what was sent to it; one that
    // fails leaves the others written.
    void writeOutcomes()
    {
        QFETCH(SimFault, fault);
        QFETCH(QList<TeskSchemeVariable>, values);
        QFETCH(QStringList, log);
        m_f->setFault(fault);
        DataSet *w = writer(values.first().device == "F" ? QList<int>{2, 0} : QList<int>{0});
        w->writeValues(values);
        QTRY_VERIFY(m_log.contains("allSet"));
        QCOMPARE(m_log, log.replaceInStrings("{A}", m_hostA).replaceInStrings("{F}", m_hostF));
        m_f->setFault(SimFault::None);
    }

    // Each variable written is told with what was read back before it, what
    // was sent and what the controller kept; a write the guard forbids is
    // never sent.
    void writtenVariablesAndTheGuard()
    {
        DataSet *w = writer({0, 2});
        QList<WriteOutcome> outcomes;
        connect(w, &DataSet::written, this, [&outcomes](const WriteOutcome &o) { outcomes << o; });
        w->setEvent({"e", {item("A", "x", "int", "Nastawa"), item("A", "y", "temp", "Temp"), item("F", "f", "int")}});
        w->readValues();
        QTRY_VERIFY(m_log.contains("allRead"));
        m_f->setFault(SimFault::Silent);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(": (x=12;y=950;r=5;|f=2;)$"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(": (x=12;y=950;r=5;|f=2;)$"));
        w->writeValues({write("A", "x", "12"), write("A", "y", "950"), write("A", "r", "5"), write("F", "f", "2")});
        QTRY_VERIFY(m_log.contains("allSet"));
        m_f->setFault(SimFault::None);
        const auto text = [](const WriteOutcome &o) {
            return QStringList({o.controller, o.variable, o.before, o.sent, o.confirmed, QString::number(int(o.result))})
                .join(' ');
        };
        QStringList seen;
        for (const WriteOutcome &o : qAsConst(outcomes))
            seen << text(o);
        // Before: as the controller sent it, tenths of a degree undecoded.
        const QString x = m_read.at(0).value;
        const QString y = QString::number(m_read.at(1).value.toDouble() * 10);
        const QString f = m_read.at(2).value;
        QCOMPARE(seen, QStringList({"A x " + x + " 12 12 0", "A y " + y + " 950 900 2", "A r  5  1",
                                    "F f " + f + " 2  3"}));

        const QString before = m_a->lastCommand();
        QTeskCmd::setWriteGuard([] { return false; });
        outcomes.clear();
        DataSet *refused = writer({0});
        connect(refused, &DataSet::written, this, [&outcomes](const WriteOutcome &o) { outcomes << o; });
        connect(refused, &DataSet::writeNotAllowed, this, [this](const QString &a) { m_log << "forbidden " + a; });
        refused->writeValues({write("A", "x", "13")});
        QTRY_VERIFY(m_log.contains("allSet"));
        QTeskCmd::setWriteGuard({});
        QCOMPARE(m_log, QStringList({"forbidden " + m_hostA, "allSet"}));
        QCOMPARE(outcomes.size(), 1);
        QCOMPARE(outcomes.first().result, WriteOutcome::Result::NotAllowed);
        QCOMPARE(m_a->lastCommand(), before);
        QCOMPARE(m_a->controller().valueText("x"), QStringLiteral("12"));
    }

    // Two controllers at one address are told apart by their ports: each is
    // asked, and written, for its own variables only.
    void oneAddressTwoPorts()
    {
        const EventRecord event{"e", {item("P", "x", "int", "P"), item("A", "x", "int", "A")}};
        QStringList addresses;
        QStringList ports;
        DataSet::collectTargets(event, m_devices, &addresses, &ports);
        QCOMPARE(addresses, QStringList({m_hostA, m_hostA}));
        QCOMPARE(ports, QStringList({QString(), m_devices.at(3).port}));

        DataSet *w = writer({0, 3});
        w->setEvent(event);
        const QString a = m_a->controller().valueText("x");
        w->readValues();
        QTRY_VERIFY(m_log.contains("allRead"));
        QCOMPARE(m_log, QStringList({"value " + m_hostA + " A " + a, "value " + m_hostA + " P 9", "allRead"}));
        QCOMPARE(m_p->lastCommand(), QStringLiteral("get(x;);"));
        QList<TeskSchemeVariable> values = m_read;
        values[0].value = "8";  // P
        values[1].value = "15"; // A
        QTest::ignoreMessage(QtDebugMsg, qPrintable(m_hostA + ": x=15;"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(m_hostA + ": x=8;"));
        w->writeValues(values);
        QTRY_VERIFY(m_log.contains("allSet"));
        QCOMPARE(m_a->controller().valueText("x"), QStringLiteral("15"));
        QCOMPARE(m_p->controller().valueText("x"), QStringLiteral("8"));
    }

private:
    // A writer aimed at the controllers with these indices of m_devices;
    // m_log gets every signal of it as one line, in order.
    DataSet *writer(const QList<int> &targets);

    SimServer *m_a = nullptr;
    SimServer *m_f = nullptr;
    SimServer *m_p = nullptr;
    DeviceList m_devices;
    QStringList m_log;
    QList<TeskSchemeVariable> m_read;
    const QString m_hostA = TestNet::host(11);
    const QString m_hostB = TestNet::host(12);
    const QString m_hostF = TestNet::host(13);
};

DataSet *TestDataSet::writer(const QList<int> &targets)
{
    auto *w = new DataSet(this);
    w->link()->setTimeoutMs(300);
    QStringList addresses;
    QStringList ports;
    for (int i : targets) {
        addresses << m_devices.at(i).networkAdress;
        ports << m_devices.at(i).port;
    }
    w->setTargets(addresses, ports);
    w->setDevices(m_devices);
    m_log.clear();
    auto add = [this](const QString &name, const QStringList &args) { m_log << (QStringList(name) + args).join(' '); };
    connect(w, &DataSet::dataReady, this, [=](const QStringList &l) { add("value", l); });
    connect(w, &DataSet::allDataReady, this, [=](const QList<TeskSchemeVariable> &l) { m_read = l; add("allRead", {}); });
    // By then the next controller has been asked.
    connect(w, &DataSet::dataSet, this, [=] { add("set", {TeskFrame::replyText(w->link()->requestFrame())}); });
    connect(w, &DataSet::allDataSet, this, [=] { add("allSet", {}); });
    connect(w, &DataSet::writeTimeout, this, [=](const QString &a) { add("timeout", {a}); });
    connect(w, &DataSet::badReply, this, [=](const QString &a) { add("bad", {a}); });
    connect(w, &DataSet::writeRefused, this, [=](const QStringList &l) { add("refused", l); });
    connect(w, &DataSet::writeChanged, this, [=](const QStringList &l) { add("changed", l); });
    return w;
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
