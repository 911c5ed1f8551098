#include "qteskcmd.h"
#include "scriptedserver.h"
#include "simserver.h"
#include "teskframe.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

namespace {

constexpr int kShortTimeoutMs = 400;
const QString kHost = QStringLiteral("127.0.0.1");

// Waits long enough for a shortened time-out to have fired twice over.
void settle()
{
    QTest::qWait(kShortTimeoutMs * 2 + 100);
}

struct Spies
{
    explicit Spies(QTeskCmd *link)
        : data(link, qOverload<QString>(&QTeskCmd::dataReady))
        , ready(link, &QTeskCmd::readyToRead)
        , timeout(link, &QTeskCmd::timeout)
        , crc(link, &QTeskCmd::crcError)
    {
    }
    QSignalSpy data;
    QSignalSpy ready;
    QSignalSpy timeout;
    QSignalSpy crc;
};

SimServer *simulated(SimFault fault, QObject *parent, int delayMs = 0)
{
    SimController c;
    SimVariable v;
    v.name = QStringLiteral("t1");
    v.number = 5;
    c.variables.append(v);
    auto *server = new SimServer(c, QHostAddress::LocalHost, 0, parent);
    server->start();
    server->setFault(fault, delayMs);
    return server;
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void defaultTimeout();
    void sendsExactFrame();
    void nonLatinCharactersGoAsQuestionMarks();
    void unwrapsReply_data();
    void unwrapsReply();
    void secondRequestReplacesFirst();
    void keptOpenConnectionTimesOut();
    void abortKeepsTimeoutRunning();
    void unreachableControllerTimesOut();
    void tricklingControllerTimesOut();
    void hugeReplyTimesOutWithoutReadingAll();
    void wrongChecksumStillDelivered();
    void destroyedLinkStaysSilent();
};

void TestLink::defaultTimeout()
{
    QTeskCmd link;
    QCOMPARE(link.timeoutMs(), 20000);
}

void TestLink::sendsExactFrame()
{
    ScriptedServer server;
    server.setReply(TeskFrame::encode("get_all(a=1;);"));
    QTeskCmd link;
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
    QTRY_COMPARE(spies.data.count(), 1);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first(), QByteArray::fromHex("A100FAFB53000000000008006765745F616C6C3B481FB1"));
    QCOMPARE(spies.data.first().first().toString(), QStringLiteral("get_all(a=1;);"));
    QCOMPARE(spies.ready.count(), 1);

    // Every request opens a fresh connection on the same link.
    link.sendRequest(kHost, QString(), server.port());
    QTRY_COMPARE(spies.data.count(), 2);
    QCOMPARE(server.connections(), 2);
    QCOMPARE(server.requests().last(), QByteArray::fromHex("A100FAFB5300000000000000FFFFB1"));
}

void TestLink::nonLatinCharactersGoAsQuestionMarks()
{
    ScriptedServer server;
    server.setReply(TeskFrame::encode("ok"));
    QTeskCmd link;
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("set(t=\u00e9\u0142;);"), server.port());
    QTRY_COMPARE(spies.data.count(), 1);
    QCOMPARE(server.requests().first(), TeskFrame::encode("set(t=\xe9?;);"));
    QCOMPARE(server.requests().first().mid(server.requests().first().size() - 3, 2), QByteArray::fromHex("d4aa"));
}

void TestLink::unwrapsReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");
    QTest::newRow("ABC") << QByteArray::fromHex("A100FAFB5300000000000300414243AAAAB1") << QStringLiteral("ABC");
    QTest::newRow("NUL cuts") << QByteArray::fromHex("A100FAFB53000000000004004100424300AAB1") << QStringLiteral("A");
    QTest::newRow("too short") << QByteArray::fromHex("A100FAFB53") << QString();
    QTest::newRow("UTF-8") << TeskFrame::encode("get(opis=Kocioł;);") << QStringLiteral("get(opis=Kocioł;);");
}

void TestLink::unwrapsReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    ScriptedServer server;
    server.setReply(reply);
    QTeskCmd link;
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
    QTRY_COMPARE(spies.data.count(), 1);
    QCOMPARE(spies.data.first().first().toString(), text);
    QCOMPARE(link.lastReplyFrame(), reply);
}

void TestLink::secondRequestReplacesFirst()
{
    SimServer *slow = simulated(SimFault::Delay, this, 200);
    SimServer *fast = simulated(SimFault::None, this);
    QTeskCmd link;
    link.setTimeoutMs(kShortTimeoutMs);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get(t1;);"), slow->port());
    QTRY_COMPARE(slow->requestCount(), 1);
    link.sendRequest(kHost, QStringLiteral("get_all;"), fast->port());
    QTRY_COMPARE(spies.data.count(), 1);
    settle();
    QCOMPARE(spies.data.count(), 1);
    QCOMPARE(spies.data.first().first().toString(), QStringLiteral("get_all(t1=5;);"));
    QCOMPARE(spies.timeout.count(), 0);

    // Two requests that both go unanswered end in a single time-out.
    SimServer *silent = simulated(SimFault::Silent, this);
    link.sendRequest(kHost, QStringLiteral("get_all;"), silent->port());
    link.sendRequest(kHost, QStringLiteral("get_all;"), silent->port());
    settle();
    QCOMPARE(spies.timeout.count(), 1);
    QCOMPARE(spies.data.count(), 1);
}

void TestLink::keptOpenConnectionTimesOut()
{
    ScriptedServer server;
    server.setReply(TeskFrame::encode("get_all(a=1;);"), true);
    QTeskCmd link;
    link.setTimeoutMs(kShortTimeoutMs);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
    QTRY_COMPARE(spies.timeout.count(), 1);
    settle();
    QCOMPARE(spies.data.count(), 0);
    QCOMPARE(spies.timeout.count(), 1);
}

void TestLink::abortKeepsTimeoutRunning()
{
    ScriptedServer server; // records, never answers
    QTeskCmd link;
    link.setTimeoutMs(kShortTimeoutMs);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
    QTRY_COMPARE(server.requests().size(), 1);
    link.abortRequest();
    link.abortRequest(); // idle: nothing to do
    QTRY_COMPARE(spies.timeout.count(), 1);
    QCOMPARE(spies.data.count(), 0);
}

void TestLink::unreachableControllerTimesOut()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 closedPort = probe.serverPort();
    probe.close();
    QTeskCmd link;
    link.setTimeoutMs(kShortTimeoutMs);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), closedPort);
    QTest::qWait(50);
    QCOMPARE(spies.timeout.count(), 0); // refused at once, reported only at the time-out
    QTRY_COMPARE(spies.timeout.count(), 1);
    QCOMPARE(spies.data.count(), 0);
}

void TestLink::tricklingControllerTimesOut()
{
    SimServer *server = simulated(SimFault::Trickle, this);
    QTeskCmd link;
    link.setTimeoutMs(kShortTimeoutMs);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server->port());
    QTRY_COMPARE(spies.timeout.count(), 1);
    QCOMPARE(spies.data.count(), 0);
}

void TestLink::hugeReplyTimesOutWithoutReadingAll()
{
    SimServer *server = simulated(SimFault::Huge, this);
    QTeskCmd link;
    link.setTimeoutMs(1500);
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server->port());
    QTRY_COMPARE_WITH_TIMEOUT(spies.timeout.count(), 1, 5000);
    QCOMPARE(spies.data.count(), 0);
}

void TestLink::wrongChecksumStillDelivered()
{
    QByteArray reply = TeskFrame::encode("get_all(a=1;);");
    reply[reply.size() - 2] = 0;
    ScriptedServer server;
    server.setReply(reply);
    QTeskCmd link;
    Spies spies(&link);
    link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
    QTRY_COMPARE(spies.data.count(), 1);
    QCOMPARE(spies.crc.count(), 0);
}

void TestLink::destroyedLinkStaysSilent()
{
    SimServer *server = simulated(SimFault::Delay, this, 100);
    bool signalled = false;
    auto *link = new QTeskCmd;
    link->setTimeoutMs(kShortTimeoutMs);
    connect(link, qOverload<QString>(&QTeskCmd::dataReady), this, [&] { signalled = true; });
    connect(link, &QTeskCmd::timeout, this, [&] { signalled = true; });
    link->sendRequest(kHost, QStringLiteral("get_all;"), server->port());
    QTRY_COMPARE(server->requestCount(), 1);
    delete link;
    settle();
    QVERIFY(!signalled);
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
