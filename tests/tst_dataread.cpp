#include "dataread.h"
#include "pollchannel.h"
#include "pollhub.h"
#include "scriptedserver.h"
#include "simcontrollers.h"
#include "teskframe.h"
#include "testnet.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <utility>

using SimControllers::device;

namespace {

TeskSchemeVariable var(const QString &device, const QString &devVar, const QString &qmlVar, const QString &type)
{
    return {device, devVar, qmlVar, type, QString()};
}

EventRecord eventOn(const QString &device, const QString &type)
{
    return {QStringLiteral("e"), {{type, QStringLiteral("p"), device, QString(), {}}}};
}

QStringList sorted(QStringList list)
{
    return list.sort(), list;
}

// A reader and every report of it, in the order they came.
struct Reader : QObject
{
    Reader(QObject *parent, const QList<TeskSchemeVariable> &vars, const DeviceList &devices, const QList<EventRecord> &events = {})
        : QObject(parent)
    {
        const auto add = [this](const QString &kind) { return [this, kind](const QStringList &l) { log << kind + l.join(' '); }; };
        connect(&r, &DataRead::varRead, this, add(QStringLiteral("read ")));
        connect(&r, &DataRead::varReadError, this, add(QStringLiteral("error ")));
        connect(&r, &DataRead::deviceNotFound, this, [this](const QString &id) { log << "notFound " + id; });
        connect(&r, &DataRead::readTimeout, this, [this](const QString &m) { log << "failed " + m; });
        connect(&r, &DataRead::readResumed, this, [this](const QString &m) { log << "resumed " + m; });
        connect(&r, &DataRead::controllerStatusChanged, this, [this] { status = r.controllerStatus(), log << "status"; });
        connect(&r, &DataRead::allDataRead, this, [this](const QMap<QString, QString> &m) { values = m, ++passes, log << "all"; });
        r.setScheme(vars, events, devices);
        log.clear();
    }
    bool pass() // one pass, its completion awaited
    {
        const int before = passes;
        r.start();
        return QTest::qWaitFor([&] { return passes > before; });
    }
    // Passes a little apart, as the refresh runs them, until done() holds.
    bool passUntil(const std::function<bool()> &done)
    {
        for (int i = 0; i < 100 && !done(); ++i)
            QTest::qWait(pass() ? 50 : 0);
        return done();
    }
    QStringList take() { return std::exchange(log, {}); }

    DataRead r;
    QStringList log;
    QMap<QString, QString> values;
    QList<ControllerStatus> status;
    int passes = 0;
};

} // namespace

class TestDataRead : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_a = SimControllers::start(this, m_hostA, R"(<Variable name="t1" type="phy_temperature" value="215"/>
        <Variable name="pump" type="on_off" value="1"/><Variable name="t10" value="5"/><Variable name="mode" type="string" value="auto"/>)");
        m_b = SimControllers::start(this, m_hostB, R"(<Variable name="x" type="int" value="007"/>)");
    }

    void fullPass()
    {
        const QString e = TestNet::host(3), s = TestNet::host(4);
        SimServer *events = SimControllers::start(this, e, R"(<Variable name="y" type="int" value="1"/>)");
        SimServer *both = SimControllers::start(this, s, R"(<Variable name="t1" type="int" value="5"/>
        <Variable name="t1" type="phy_temperature" value="215"/><Variable name="k" type="int" value="3"/>)");
        DeviceRecord stale = device("B", m_a);
        stale.port = QStringLiteral("1"); // listed first: the later record wins
        Reader rd(this, {var("A", "t1", "temp1", "temp"), var("A", "pump", "pompa", "logic"), var("A", "nope", "brak", "int"),
                         var("B", "x", "x", "int"), var("A", "t", "tPrefix", "int"), var("A", "mode", "tryb", "combo"),
                         var("S", "t1", "t", "temp"), var("S", "k", "t", "int")},
                  {device("A", m_a), stale, device("B", m_b), device("S", both), device("E", events)}, {eventOn("E", "combo")});
        QVERIFY(rd.pass());
        // Controllers answer in any order; each one's reports keep theirs.
        const auto of = [&](const QString &host) { return rd.log.filter(' ' + host + ' '); };
        const QString a = m_hostA, b = m_hostB;
        QCOMPARE(of(a), QStringList({"read " + a + " temp1 21.5", "read " + a + " pompa 1", "error " + a + " nope brak"}));
        QCOMPARE(of(b) + of(s), QStringList({"read " + b + " x 7", "read " + s + " t 0.5", "read " + s + " t 21.5", "read " + s + " t 3"}));
        QCOMPARE(rd.log.mid(7), QStringList({"status", "all"}));
        QCOMPARE(rd.values, (QMap<QString, QString>{{"temp1", "21.5"}, {"pompa", "1"}, {"x", "7"}, {"t", "3"}}));
        QCOMPARE(events->commands(), QStringList("get_all;")); // asked, though no variable is its own

        QStringList ids;
        for (const ControllerStatus &st : qAsConst(rd.status))
            ids << st.deviceId + '@' + st.address + (st.answering && st.lastAnswer.isValid() && st.lastResponseMs >= 0 ? "" : " failed");
        QCOMPARE(ids, QStringList({"A@" + a, "B@" + b, "S@" + s, "E@" + e}));
        rd.r.stop(); // keeps the values of the last pass
        QCOMPARE(rd.r.values(), rd.values);
    }

    void failingControllers_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("withValues");
        QTest::addColumn<QString>("why");
        QTest::addColumn<int>("failure"); // what the strip over the scheme says
        using F = ControllerStatus::Failure;
        QTest::newRow("silent: pending at the pass limit") << int(SimFault::Silent) << true << " nie odpowiada" << int(F::NoAnswer);
        QTest::newRow("refused") << int(SimFault::Refuse) << true << " nie odpowiada" << int(F::NoAnswer);
        QTest::newRow("cut frame") << int(SimFault::Short) << true << ": niepełna odpowiedź" << int(F::BadReply);
        QTest::newRow("reply without values") << int(SimFault::None) << false << ": odpowiedź bez wartości" << int(F::NoValues);
    }

    void failingControllers()
    {
        QFETCH(int, fault);
        QFETCH(bool, withValues);
        QFETCH(QString, why);
        const QString host = TestNet::host(6);
        SimServer *x = SimControllers::start(this, host, withValues ? R"(<Variable name="x" type="int" value="4"/>)" : "");
        x->setFault(SimFault(fault));
        const QList<TeskSchemeVariable> vars = {var("X", "x", "x", "int"), var("A", "pump", "p", "logic")};
        const DeviceList devices = {device("X", x), device("A", m_a)};
        Reader rd(this, vars, devices);
        rd.r.setPassLimitMs(0); // at least a second all the same
        rd.r.setLinkTimeoutMs(1500); // a request left unanswered is given up, and asked anew, within the test

        // The others' values come all the same, from the very first pass.
        QVERIFY(rd.pass());
        const QStringList failed = rd.log.filter("failed Sterownik " + host + why);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(sorted(rd.log), sorted({failed.first(), "read " + m_hostA + " p 1", "status", "all"}));
        QCOMPARE(rd.values, (QMap<QString, QString>{{"p", "1"}}));
        QVERIFY(!rd.status.at(0).answering && rd.status.at(1).answering);
        QTEST(int(rd.status.at(0).failure), "failure");

        // Still failing: said once, not once per pass nor again when the scheme
        // is set anew, after one without it.
        rd.r.setScheme(vars.mid(1), {}, devices);
        rd.r.setScheme(vars, {}, devices);
        QVERIFY(!rd.status.at(0).answering);
        rd.take();
        QVERIFY(rd.pass());
        QCOMPARE(rd.log, QStringList({"read " + m_hostA + " p 1", "status", "all"}));

        // Its first good answer brings it back; its values enter a pass.
        x->setFault(SimFault::None);
        x->controller().variables = m_b->controller().variables; // x=7
        QVERIFY(rd.passUntil([&] { return rd.values.contains("x"); }));
        QStringList lines = rd.log.filter(host); // read once more when its answer came between passes
        lines.removeDuplicates();
        QCOMPARE(lines, QStringList({"resumed Sterownik " + host + " znów odpowiada", "read " + host + " x 7"}));
        QCOMPARE(rd.log.filter("resumed").size(), 1);
        rd.r.setScheme(vars, {}, devices);
        QVERIFY(rd.status.at(0).answering && rd.status.at(0).lastAnswer.isValid());
    }

    // Not waited for once it missed a pass, but its request runs on under the
    // link's time-out: asked anew each pass it would never be heard again. Once
    // heard, it is not waited for, nor reported failing, while it stays slow.
    void slowerThanAPass()
    {
        const QString host = TestNet::host(15);
        SimServer *slow = SimControllers::start(this, host, R"(<Variable name="x" type="int" value="4"/>)");
        slow->setFault(SimFault::Delay, 2500); // the pass limit is 1 s
        Reader rd(this, {var("S", "x", "x", "int"), var("A", "pump", "p", "logic")}, {device("S", slow), device("A", m_a)});
        QVERIFY(rd.pass());
        QCOMPARE(rd.log.filter("failed").size(), 1);
        QVERIFY(rd.passUntil([&] { return !rd.log.filter("resumed").isEmpty(); }));
        QCOMPARE(rd.log.filter("resumed"), QStringList("resumed Sterownik " + host + " znów odpowiada"));
        QCOMPARE(slow->requestCount(), 1);
        slow->controller().variables = m_b->controller().variables; // x=7 from the next request on
        QVERIFY(rd.pass());
        QCOMPARE(rd.values, (QMap<QString, QString>{{"p", "1"}, {"x", "4"}}));

        int withoutX = 0; // its latest values stay in every pass
        connect(&rd.r, &DataRead::allDataRead, &rd, [&](const QMap<QString, QString> &m) { withoutX += !m.contains("x"); });
        QVERIFY(rd.passUntil([&] { return rd.values.value("x") == "7"; }));
        QCOMPARE(withoutX, 0);
        QCOMPARE(rd.log.filter("failed").size() + rd.log.filter("resumed").size(), 2);
        QVERIFY(slow->requestCount() <= 3); // never asked anew while a request was in flight
        QVERIFY(rd.status.at(0).answering && rd.status.at(0).lastResponseMs > 1000); // slower than the pass limit
    }

    // The request sent while it was silent runs on under the link's long
    // time-out, but a controller heard before is asked anew once that request
    // is overdue: back, it is heard with the next pass.
    void backWithinAPass()
    {
        const QString host = TestNet::host(16);
        SimServer *x = SimControllers::start(this, host, R"(<Variable name="x" type="int" value="4"/>)");
        Reader rd(this, {var("X", "x", "x", "int"), var("A", "pump", "p", "logic")}, {device("X", x), device("A", m_a)});
        QVERIFY(rd.pass());
        x->setFault(SimFault::Silent);
        QVERIFY(rd.pass());
        QVERIFY(!rd.status.at(0).answering);
        x->setFault(SimFault::None);
        const int asked = x->requestCount();
        rd.take();
        QVERIFY(rd.pass());
        QTRY_COMPARE(x->requestCount(), asked + 1);
        QTRY_COMPARE(rd.log.filter("resumed"), QStringList("resumed Sterownik " + host + " znów odpowiada"));
    }

    // A "real" is the number the controller sent, fraction and all.
    void realFractions()
    {
        ScriptedServer server;
        server.setReply(TeskFrame::encode("get_all(odzysk=72.5;t=-0;);"));
        const DeviceRecord r{QStringLiteral("R"), QStringLiteral("127.0.0.1"), QString::number(server.port()), QString()};
        Reader rd(this, {var("R", "odzysk", "odzysk", "real"), var("R", "t", "t", "real")}, {r});
        QVERIFY(rd.pass());
        QCOMPARE(rd.values, (QMap<QString, QString>{{"odzysk", "72.5"}, {"t", "0"}}));
    }

    // Readers sharing a hub: never two requests in flight to a controller, one
    // reply for every reader waiting.
    void sharedPolls()
    {
        const QString host = TestNet::host(17);
        SimServer *slow = SimControllers::start(this, host, R"(<Variable name="x" type="int" value="3"/>)");
        slow->setFault(SimFault::Delay, 300);
        PollHub hub;
        Reader rd(this, {}, {});
        rd.r.setPollHub(&hub);
        rd.r.setScheme({var("S", "x", "x", "int")}, {}, {device("S", slow)});
        PollChannel *other = hub.channel(host, slow->port(), this);
        QStringList heard;
        connect(other, &PollChannel::dataReady, this, [&heard](const QString &reply) { heard << reply; });

        other->request();
        QTRY_COMPARE(slow->requestCount(), 1);
        QVERIFY(rd.pass());
        QTRY_COMPARE(heard, QStringList("get_all(x=3;);"));
        QCOMPARE(slow->requestCount(), 1);
        QCOMPARE(rd.values, (QMap<QString, QString>{{"x", "3"}}));

        other->request(60000); // a reply that young will do
        QTRY_COMPARE(heard.size(), 2);
        QCOMPARE(slow->requestCount(), 1);

        // One reader leaving does not drop the request another waits for.
        const int before = rd.passes;
        rd.r.start();
        other->request();
        other->abandon();
        QTRY_VERIFY(rd.passes > before);
        QCOMPARE(slow->requestCount(), 2);
        QCOMPARE(heard.size(), 2);

        // A request sent anew serves everyone who waited for the one it replaced.
        rd.r.start();
        other->request();
        QTRY_COMPARE(slow->requestCount(), 3);
        PollChannel *third = hub.channel(host, slow->port(), this);
        third->restart();
        QTRY_COMPARE(heard.size(), 3);
        QTRY_VERIFY(rd.passes > before + 1);
        QCOMPARE(slow->requestCount(), 4);
        delete third;
        delete other;
    }

    void concurrentPasses()
    {
        SimServer *slow = SimControllers::start(this, TestNet::host(9), R"(<Variable name="x" type="int" value="1"/>)");
        SimServer *fast = SimControllers::start(this, TestNet::host(10), R"(<Variable name="x" type="int" value="2"/>)");
        Reader rd(this, {var("D1", "x", "q", "int"), var("D2", "x", "q", "int"), var("A", "pump", "p", "logic"), var("A2", "t1", "t", "temp")},
                  {device("D1", slow), device("D2", fast), device("A", m_a), device("A2", m_a)});
        // The map follows the queue, not the order of arrival: D2 wins either way.
        for (SimServer *late : {slow, fast}) {
            late->setFault(SimFault::Delay, 150);
            (late == slow ? fast : slow)->setFault(SimFault::None);
            const int aRequests = m_a->requestCount();
            QVERIFY(rd.pass());
            QCOMPARE(rd.values, (QMap<QString, QString>{{"p", "1"}, {"q", "2"}, {"t", "21.5"}}));
            QCOMPARE(m_a->requestCount(), aRequests + 1); // two IDs, one controller: one request
        }

        // A pass started over a running one replaces it: one completion.
        rd.r.start();
        QVERIFY(rd.pass());
        QTest::qWait(300);
        QCOMPARE(rd.passes, 3);
    }

    void lateRepliesAndStopsChangeNothing()
    {
        SimServer *slow = SimControllers::start(this, TestNet::host(11), R"(<Variable name="x" type="int" value="1"/>)");
        SimServer *silent = SimControllers::start(this, TestNet::host(12), R"(<Variable name="y" type="int" value="1"/>)");
        slow->setFault(SimFault::Delay, 150), silent->setFault(SimFault::Silent);
        Reader rd(this, {var("L", "x", "x", "int"), var("S", "y", "y", "int")}, {device("L", slow), device("S", silent)});
        rd.r.setLinkTimeoutMs(200);

        // Stopped: neither the late reply nor the link's time-out is heard.
        rd.r.start();
        QTRY_VERIFY(slow->requestCount() == 1 && silent->requestCount() == 1);
        rd.r.stop();
        QTest::qWait(400);
        QCOMPARE(rd.log, QStringList());

        // Another scheme, the controller gone from the device list: likewise.
        rd.r.start();
        QTRY_COMPARE(slow->requestCount(), 2);
        rd.r.setScheme({var("A", "pump", "p", "logic")}, {}, {device("A", m_a)});
        QTest::qWait(400);
        QVERIFY(rd.pass());
        QCOMPARE(rd.take(), QStringList({"status", "read " + m_hostA + " p 1", "status", "all"}));

        // A receiver that stops the reader: nothing is reported after the stop.
        rd.r.setScheme({var("A", "pump", "p", "logic"), var("A", "t1", "t", "temp"), var("B", "x", "x", "int")}, {},
                       {device("A", m_a), device("B", m_b)});
        connect(&rd.r, &DataRead::varRead, &rd, [&rd] { rd.r.stop(); });
        rd.r.start();
        QTRY_VERIFY(rd.log.size() > 1);
        QTest::qWait(300);
        QCOMPARE(rd.log.size(), 2); // whichever value came first
    }

    void haltsAndPorts()
    {
        // The queue: the read variables' controllers, then those only events name.
        Reader rd(this, {var("B", "x", "q1", "int"), var("A", "y", "q2", "int"), var("B", "z", "q3", "int")}, {},
                  {eventOn("C", "combo"), eventOn("D", "scheme"), eventOn("A", "int")});
        QCOMPARE(rd.r.queue(), QStringList({"B", "A", "C"}));

        const int aRequests = m_a->requestCount();
        rd.r.setScheme({}, {eventOn("A", "int")}, {device("A", m_a)});
        rd.r.start(); // nothing to read
        rd.r.setScheme({var("A", "pump", "p", "logic")}, {}, {});
        rd.r.start(); // nobody to ask
        rd.r.setScheme({var("A", "pump", "p", "logic"), var("Z", "x", "x", "int")}, {}, {device("A", m_a)});
        rd.r.start(); // a controller the device list lacks halts the pass
        QTest::qWait(300);
        QCOMPARE(rd.take(), QStringList({"status", "status", "status", "notFound Z"}));
        QCOMPARE(m_a->requestCount(), aRequests);

        // An empty port is the default one; a port that is not a number is 0.
        const QString host = TestNet::host(13);
        DeviceRecord d = device("D", SimControllers::start(this, host, R"(<Variable name="x" value="2"/>)", 16483));
        d.port.clear();
        const DeviceRecord bad = {QStringLiteral("N"), TestNet::host(14), QStringLiteral("abc"), QString()};
        rd.r.setScheme({var("D", "x", "x", "int"), var("N", "x", "y", "int")}, {}, {d, bad});
        QVERIFY(rd.pass());
        QCOMPARE(sorted(rd.log), sorted({"status", "read " + host + " x 2", "failed Sterownik " + bad.networkAdress + " nie odpowiada",
                                         "status", "all"}));
    }

private:
    SimServer *m_a = nullptr;
    SimServer *m_b = nullptr;
    QString m_hostA = TestNet::host(1);
    QString m_hostB = TestNet::host(2);
};

QTEST_GUILESS_MAIN(TestDataRead)
#include "tst_dataread.moc"
