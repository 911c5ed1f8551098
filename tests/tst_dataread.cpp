#include "dataread.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "testnet.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kTimeoutMs = 300;

TeskSchemeVariable var(const QString &device, const QString &devVar, const QString &qmlVar, const QString &type)
{
    return {device, devVar, qmlVar, type, QString()};
}

EventRecord eventOn(const QString &device, const QString &type)
{
    EventItemRecord item;
    item.device = device;
    item.type = type;
    item.property = QStringLiteral("p");
    return {QStringLiteral("e"), {item}};
}

// Every report of the reader, in the order it came.
struct Reports : QObject
{
    explicit Reports(DataRead *reader)
    {
        connect(reader, &DataRead::varRead, this, [this](const QStringList &l) { log << QStringLiteral("read ") + l.join(QLatin1Char(' ')); });
        connect(reader, &DataRead::varReadError, this, [this](const QStringList &l) { log << QStringLiteral("error ") + l.join(QLatin1Char(' ')); });
        connect(reader, &DataRead::deviceNotFound, this, [this](const QString &id) { log << QStringLiteral("notFound ") + id; });
        connect(reader, &DataRead::readTimeout, this, [this](const QString &m) { log << QStringLiteral("timeout ") + m; });
        connect(reader, &DataRead::allDataRead, this, [this](const QMap<QString, QString> &m) {
            log << QStringLiteral("all");
            values = m;
        });
    }
    QStringList log;
    QMap<QString, QString> values;
};

} // namespace

class TestDataRead : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void queueOrder();
    void fullCycle();
    void sameQmlVarAndDoubleMatch();
    void lastControllerTimesOut();
    void missingDeviceHalts();
    void onePartReplyHalts();
    void nothingToRead();
    void emptyPortMeansDefault();
    void lateTimeoutAfterStop();
    void receiverRestartingMidReply();

private:
    DataRead *reader(Reports **reports);

    SimServer *m_a = nullptr;
    SimServer *m_b = nullptr;
    SimServer *m_events = nullptr;
    SimServer *m_silent = nullptr;
};

void TestDataRead::initTestCase()
{
    m_a = SimControllers::start(this, QStringLiteral("127.0.3.1"), R"(
        <Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="pump" type="on_off" value="1"/>
        <Variable name="t10" type="int" value="5"/>
        <Variable name="mode" type="string" value="auto"/>)");
    m_b = SimControllers::start(this, QStringLiteral("127.0.3.2"), R"(<Variable name="x" type="int" value="007"/>)");
    m_events = SimControllers::start(this, QStringLiteral("127.0.3.3"), R"(<Variable name="y" type="int" value="1"/>)");
    m_silent = SimControllers::start(this, QStringLiteral("127.0.3.4"), QByteArray());
    m_silent->setFault(SimFault::Silent);
}

DataRead *TestDataRead::reader(Reports **reports)
{
    auto *r = new DataRead(this);
    r->link()->setTimeoutMs(kTimeoutMs);
    *reports = new Reports(r);
    (*reports)->setParent(r);
    return r;
}

void TestDataRead::queueOrder()
{
    DataRead r;
    r.setScheme({var("B", "x", "q1", "int"), var("A", "y", "q2", "int"), var("B", "z", "q3", "int")},
                {eventOn("C", "combo"), eventOn("D", "scheme"), eventOn("A", "int")}, {});
    QCOMPARE(r.queue(), QStringList({"B", "A", "C"}));
}

void TestDataRead::fullCycle()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    const int eventRequests = m_events->requestCount();
    r->setScheme({var("A", "t1", "temp1", "temp"), var("A", "pump", "pompa", "logic"), var("A", "nope", "brak", "int"),
                  var("B", "x", "x", "int"), var("A", "t", "tPrefix", "int"), var("A", "mode", "tryb", "combo")},
                 {eventOn("E", "combo")},
                 {SimControllers::device("A", m_a), SimControllers::device("B", m_b), SimControllers::device("E", m_events)});
    r->start();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    QCOMPARE(reports->log, QStringList({"read 127.0.3.1 temp1 21.5", "read 127.0.3.1 pompa 1",
                                        "error 127.0.3.1 nope brak", "read 127.0.3.2 x 7", "all"}));
    QCOMPARE(reports->values, (QMap<QString, QString>{{"temp1", "21.5"}, {"pompa", "1"}, {"x", "7"}}));
    QCOMPARE(m_a->lastCommand(), QStringLiteral("get_all;"));
    QCOMPARE(m_events->requestCount(), eventRequests + 1); // asked, though no variable is its own
}

void TestDataRead::sameQmlVarAndDoubleMatch()
{
    SimServer *both = SimControllers::start(this, QStringLiteral("127.0.3.5"), R"(
        <Variable name="t1" type="int" value="5"/>
        <Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="k" type="int" value="3"/>)");
    Reports *reports;
    DataRead *r = reader(&reports);
    r->setScheme({var("S", "t1", "t", "temp"), var("S", "k", "t", "int")}, {}, {SimControllers::device("S", both)});
    r->start();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    QCOMPARE(reports->log, QStringList({"read 127.0.3.5 t 0.5", "read 127.0.3.5 t 21.5", "read 127.0.3.5 t 3", "all"}));
    QCOMPARE(reports->values.value(QStringLiteral("t")), QStringLiteral("3"));
}

void TestDataRead::lastControllerTimesOut()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    r->setScheme({var("A", "pump", "p", "logic"), var("S", "x", "x", "int")}, {},
                 {SimControllers::device("A", m_a), SimControllers::device("S", m_silent)});
    r->start();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    QCOMPARE(reports->log, QStringList({"read 127.0.3.1 p 1", "timeout Sterownik 127.0.3.4 nie odpowiada", "all"}));
}

void TestDataRead::missingDeviceHalts()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    const int bRequests = m_b->requestCount();
    r->setScheme({var("A", "pump", "p", "logic"), var("Z", "x", "x", "int"), var("B", "x", "x", "int")}, {},
                 {SimControllers::device("A", m_a), SimControllers::device("B", m_b)});
    r->start();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("notFound Z")));
    QTest::qWait(kTimeoutMs * 2);
    QCOMPARE(reports->log, QStringList({"read 127.0.3.1 p 1", "notFound Z"}));
    QCOMPARE(m_b->requestCount(), bRequests);
}

void TestDataRead::onePartReplyHalts()
{
    SimServer *broken = SimControllers::start(this, QStringLiteral("127.0.3.6"), R"(<Variable name="x" type="int" value="1"/>)");
    broken->setFault(SimFault::Short);
    Reports *reports;
    DataRead *r = reader(&reports);
    r->setScheme({var("X", "x", "x", "int"), var("A", "pump", "p", "logic")}, {},
                 {SimControllers::device("X", broken), SimControllers::device("A", m_a)});
    const int aRequests = m_a->requestCount();
    r->start();
    QTRY_COMPARE(broken->requestCount(), 1);
    QTest::qWait(kTimeoutMs * 2);
    QVERIFY(reports->log.isEmpty());
    QCOMPARE(m_a->requestCount(), aRequests);

    broken->setFault(SimFault::None);
    r->start(); // the next refresh starts from the first controller again
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    QCOMPARE(reports->log, QStringList({"read 127.0.3.6 x 1", "read 127.0.3.1 p 1", "all"}));
}

void TestDataRead::nothingToRead()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    const int aRequests = m_a->requestCount();
    r->setScheme({}, {eventOn("A", "int")}, {SimControllers::device("A", m_a)});
    r->start();
    r->setScheme({var("A", "pump", "p", "logic")}, {}, {});
    r->start();
    QTest::qWait(kTimeoutMs * 2);
    QVERIFY(reports->log.isEmpty());
    QCOMPARE(m_a->requestCount(), aRequests);
}

void TestDataRead::emptyPortMeansDefault()
{
    SimServer *standard = SimControllers::start(this, TestNet::host(7), R"(<Variable name="x" type="int" value="2"/>)", 16483);
    Reports *reports;
    DataRead *r = reader(&reports);
    DeviceRecord d = SimControllers::device("D", standard);
    d.port.clear();
    DeviceRecord bad = d;
    bad.id = QStringLiteral("N");
    bad.port = QStringLiteral("abc"); // read as 0: nobody listens there
    r->setScheme({var("D", "x", "x", "int"), var("N", "x", "y", "int")}, {}, {d, bad});
    r->start();
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    const QString host = TestNet::host(7);
    QCOMPARE(reports->log, QStringList({"read " + host + " x 2", "timeout Sterownik " + host + " nie odpowiada", "all"}));
}

void TestDataRead::lateTimeoutAfterStop()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    r->setScheme({var("S", "x", "x", "int"), var("A", "pump", "p", "logic")}, {},
                 {SimControllers::device("S", m_silent), SimControllers::device("A", m_a)});
    r->start();
    QTRY_VERIFY(m_silent->requestCount() > 0);
    r->stop();
    // The link's time-out still comes; it counts against the first
    // controller and the cycle goes on with the second.
    QTRY_VERIFY(reports->log.contains(QStringLiteral("all")));
    QCOMPARE(reports->log, QStringList({"timeout Sterownik 127.0.3.4 nie odpowiada", "read 127.0.3.1 p 1", "all"}));
}

void TestDataRead::receiverRestartingMidReply()
{
    Reports *reports;
    DataRead *r = reader(&reports);
    r->setScheme({var("A", "pump", "p", "logic"), var("A", "t1", "t", "temp"), var("B", "x", "x", "int")}, {},
                 {SimControllers::device("A", m_a), SimControllers::device("B", m_b)});
    connect(r, &DataRead::varRead, r, [r] { r->stop(); r->setScheme({}, {}, {}); });
    r->start();
    QTRY_VERIFY(!reports->log.isEmpty());
    QTest::qWait(kTimeoutMs * 2);
    // B may already have been asked, but nothing more is reported.
    QCOMPARE(reports->log, QStringList({"read 127.0.3.1 p 1", "read 127.0.3.1 t 21.5"}));
}

QTEST_GUILESS_MAIN(TestDataRead)
#include "tst_dataread.moc"
