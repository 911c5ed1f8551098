#include "dataset.h"
#include "qteskcmd.h"
#include "simcontrollers.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kTimeoutMs = 300;

EventItemRecord item(const QString &device, const QString &property, const QString &type, const QString &name)
{
    EventItemRecord i;
    i.device = device;
    i.property = property;
    i.type = type;
    i.name = name;
    return i;
}

struct Reports : QObject
{
    explicit Reports(DataSet *writer)
    {
        connect(writer, &DataSet::dataReady, this, [this](const QStringList &l) { log << QStringLiteral("value ") + l.join(QLatin1Char(' ')); });
        connect(writer, &DataSet::allDataReady, this, [this](const QList<TeskSchemeVariable> &l) {
            log << QStringLiteral("allRead");
            list = l;
        });
        connect(writer, &DataSet::dataSet, this, [this] { log << QStringLiteral("set"); });
        connect(writer, &DataSet::allDataSet, this, [this] { log << QStringLiteral("allSet"); });
        connect(writer, &DataSet::writeTimeout, this, [this](const QString &a) { log << QStringLiteral("timeout ") + a; });
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
    void oneControllerWritesStraightToAllDataSet();
    void duplicateDeviceRecordsNameTwice();
    void silentControllerIsReported();
    void nothingToDoWithoutTargets();
    void onePartReplyHalts();

private:
    DataSet *writer(Reports **reports);

    SimServer *m_a = nullptr;
    SimServer *m_b = nullptr;
};

void TestDataSet::initTestCase()
{
    m_a = SimControllers::start(this, QStringLiteral("127.0.4.1"), R"(
        <Variable name="x" type="int" modify="1" value="4"/>
        <Variable name="y" type="phy_temperature" modify="1" value="215"/>)");
    m_b = SimControllers::start(this, QStringLiteral("127.0.4.2"), R"(<Variable name="z" type="on_off" modify="1" value="1"/>)");
}

DataSet *TestDataSet::writer(Reports **reports)
{
    auto *w = new DataSet(this);
    w->link()->setTimeoutMs(kTimeoutMs);
    *reports = new Reports(w);
    (*reports)->setParent(w);
    return w;
}

void TestDataSet::readBackThenWriteTwoControllers()
{
    Reports *reports;
    DataSet *w = writer(&reports);
    const DeviceRecord a = SimControllers::device("A", m_a);
    const DeviceRecord b = SimControllers::device("B", m_b);
    w->setTargets({a.networkAdress, b.networkAdress}, {a.port, b.port});
    w->setDevices({a, b});
    w->setEvent({QStringLiteral("e"), {item("A", "x", "int", "Nastawa"), item("B", "z", "combo", "Pompa"),
                                       item("A", "y", "temp", "Temperatura")}});
    w->readValues();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allRead")));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("get(x;y;);"));
    QCOMPARE(m_b->lastCommand(), QStringLiteral("get(z;);"));
    QCOMPARE(reports->log, QStringList({"value 127.0.4.1 Nastawa 4", "value 127.0.4.1 Temperatura 21.5",
                                        "value 127.0.4.2 Pompa 1", "allRead"}));
    QCOMPARE(reports->list.size(), 3);
    QCOMPARE(reports->list.at(1).value, QStringLiteral("1")); // not decoded, passed on as it came
    QCOMPARE(reports->list.at(2).value, QStringLiteral("21.5"));

    QList<TeskSchemeVariable> values = reports->list;
    values[0].value = QStringLiteral("12");
    values[1].value = QStringLiteral("0");
    values[2].value = QStringLiteral("225"); // written exactly as given
    reports->log.clear();
    w->writeValues(values);
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allSet")));
    QCOMPARE(reports->log, QStringList({"set", "allSet"}));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("set(x=12;y=225;);"));
    QCOMPARE(m_b->lastCommand(), QStringLiteral("set(z=0;);"));
    QCOMPARE(m_a->controller().valueText(QStringLiteral("y")), QStringLiteral("225"));

    // The next event starts at the first controller again.
    reports->log.clear();
    w->readValues();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allRead")));
    QCOMPARE(reports->log.first(), QStringLiteral("value 127.0.4.1 Nastawa 12"));
}

void TestDataSet::oneControllerWritesStraightToAllDataSet()
{
    Reports *reports;
    DataSet *w = writer(&reports);
    DeviceRecord b = SimControllers::device("B", m_b);
    w->setTargets({b.networkAdress}, {b.port});
    w->setDevices({b});
    w->setEvent({QStringLiteral("e"), {item("B", "z", "logic", "Pompa")}});
    TeskSchemeVariable v{QStringLiteral("B"), QStringLiteral("z"), QString(), QStringLiteral("logic"), QStringLiteral("1")};
    w->writeValues({v});
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allSet")));
    QCOMPARE(reports->log, QStringList(QStringLiteral("allSet")));
}

void TestDataSet::duplicateDeviceRecordsNameTwice()
{
    Reports *reports;
    DataSet *w = writer(&reports);
    const DeviceRecord a = SimControllers::device("A", m_a);
    w->setTargets({a.networkAdress}, {a.port});
    w->setDevices({a, a});
    w->setEvent({QStringLiteral("e"), {item("A", "x", "int", "Nastawa")}});
    w->readValues();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allRead")));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("get(x;x;);"));
    reports->list[0].value = QStringLiteral("5");
    w->writeValues(reports->list);
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allSet")));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("set(x=5;x=5;);"));
}

void TestDataSet::silentControllerIsReported()
{
    SimServer *silent = SimControllers::start(this, QStringLiteral("127.0.4.3"), R"(<Variable name="s" type="int"/>)");
    silent->setFault(SimFault::Silent);
    Reports *reports;
    DataSet *w = writer(&reports);
    const DeviceRecord a = SimControllers::device("A", m_a);
    const DeviceRecord s = SimControllers::device("S", silent);
    w->setTargets({a.networkAdress, s.networkAdress}, {a.port, s.port});
    w->setDevices({a, s});
    w->setEvent({QStringLiteral("e"), {item("A", "x", "int", "X"), item("S", "s", "int", "S")}});
    w->readValues();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("timeout 127.0.4.3")));
    QVERIFY(!reports->log.contains(QStringLiteral("allRead")));

    // The phase ended: the next one begins with the first controller.
    const int aRequests = m_a->requestCount();
    reports->log.clear();
    silent->setFault(SimFault::None);
    w->readValues();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("allRead")));
    QCOMPARE(m_a->requestCount(), aRequests + 1);
}

void TestDataSet::nothingToDoWithoutTargets()
{
    Reports *reports;
    DataSet *w = writer(&reports);
    w->setDevices({SimControllers::device("A", m_a)});
    w->setEvent({QStringLiteral("e"), {item("A", "x", "int", "X")}});
    const int aRequests = m_a->requestCount();
    w->readValues();
    w->writeValues({});
    QTest::qWait(kTimeoutMs * 2);
    QVERIFY(reports->log.isEmpty());
    QCOMPARE(m_a->requestCount(), aRequests);
}

void TestDataSet::onePartReplyHalts()
{
    SimServer *broken = SimControllers::start(this, QStringLiteral("127.0.4.4"), R"(<Variable name="q" type="int"/>)");
    broken->setFault(SimFault::Short);
    Reports *reports;
    DataSet *w = writer(&reports);
    const DeviceRecord d = SimControllers::device("Q", broken);
    w->setTargets({d.networkAdress}, {d.port});
    w->setDevices({d});
    w->setEvent({QStringLiteral("e"), {item("Q", "q", "int", "Q")}});
    w->readValues();
    // A cut reply ends the request as a failure, at once.
    QTRY_COMPARE(reports->log, QStringList(QStringLiteral("timeout 127.0.4.4")));
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
