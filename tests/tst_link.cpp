#include "qteskcmd.h"
#include "scriptedserver.h"
#include "simcontrollers.h"
#include "teskframe.h"

#include <QtTest>

namespace {

constexpr int kShortTimeoutMs = 300;
const QString kHost = QStringLiteral("127.0.0.1");
using Failure = QTeskCmd::Failure;
using TeskFrame::ReplyCheck;

QStringList g_messages; // every message while a test runs, debug lines included

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages << message;
}

// What the link reported, in order: "ready", "data <text>", "failed <kind>".
struct Outcome : QObject
{
    explicit Outcome(QTeskCmd *link)
    {
        connect(link, &QTeskCmd::readyToRead, this, [this] { log << QStringLiteral("ready"); });
        connect(link, qOverload<QString>(&QTeskCmd::dataReady), this, [this](const QString &t) { log << "data " + t; });
        connect(link, &QTeskCmd::timeout, this, [this, link] { log << failed(link->failure()); });
    }
    static QString failed(Failure why) { return QStringLiteral("failed %1").arg(int(why)); }
    QStringList log;
};

SimServer *simulated(QObject *parent, SimFault fault, int delayMs = 0)
{
    SimServer *server = SimControllers::start(parent, kHost, R"(<Variable name="t1" value="5"/>)");
    server->setFault(fault, delayMs);
    return server;
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_messages.clear(); qInstallMessageHandler(capture); }

    // No request, however it ended, may read from a socket already closed.
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        QVERIFY2(g_messages.filter(QStringLiteral("not open")).isEmpty(), qPrintable(g_messages.join('\n')));
    }

    void requestFrames_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("get_all") << "get_all;" << "481f" << QByteArray::fromHex("A100FAFB53000000000008006765745F616C6C3B481FB1");
        QTest::newRow("empty") << QString() << "ffff" << QByteArray::fromHex("A100FAFB5300000000000000FFFFB1");
        QTest::newRow("zero byte not escaped, sum padded") << "x3c" << "00a5" << QByteArray::fromHex("A100FAFB530000000000030078336300A5B1");
        QTest::newRow("check value") << "123456789" << "4b37" << QByteArray();
        QTest::newRow("ISO 8859-1 byte") << QStringLiteral("set(t=\u00e9?;);") << "d4aa" << QByteArray();
        QTest::newRow("length high byte first") << QString(0x1234, 'x') << "" << QByteArray();
    }

    void requestFrames()
    {
        QFETCH(QString, command);
        QFETCH(QString, sum);
        QFETCH(QByteArray, frame);
        const QByteArray encoded = TeskFrame::encode(command.toLatin1());
        if (!sum.isEmpty())
            QCOMPARE(QTeskCmd::checksum(command), sum);
        if (!frame.isEmpty())
            QCOMPARE(encoded.toHex(' '), frame.toHex(' '));
        QCOMPARE(encoded.size(), command.size() + 15);
        QCOMPARE(encoded.mid(7, 4).toHex(), QByteArray::number(command.size(), 16).rightJustified(8, '0'));
    }

    void exactFramesAndTrace()
    {
        ScriptedServer server;
        const QByteArray reply = TeskFrame::encode("a(b=1;);"); // a hex digit right after the zero byte
        server.setReply(reply);
        QTeskCmd link;
        Outcome outcome(&link);
        link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
        QTRY_COMPARE(outcome.log, QStringList({"ready", "data a(b=1;);"}));
        QCOMPARE(server.requests(), {TeskFrame::encode("get_all;")});
        QString replyQuoted;
        QDebug(&replyQuoted).nospace() << reply; // Qt's own quoting of the bytes
        QCOMPARE(g_messages, QStringList({"debug1:  \"get_all;\"", "Connected to host",
                                          "debug1 frame:  \"\\xA1\\x00\\xFA\\xFBS\\x00\\x00\\x00\\x00\\x00\\b\\x00get_all;H\\x1F\\xB1\"",
                                          "debug2:  " + replyQuoted, "Request ended:  \"a(b=1;);\""}));
        QVERIFY(replyQuoted.contains("\\x00\"\"a"));

        // A fresh connection per request; outside ISO 8859-1 a character goes as "?".
        link.sendRequest(kHost, QStringLiteral("set(t=\u00e9\u0142;);"), server.port());
        QTRY_COMPARE(outcome.log.size(), 4);
        QCOMPARE(server.connections(), 2);
        QCOMPARE(server.requests().last(), TeskFrame::encode("set(t=\xe9?;);"));
    }

    // Each reply is judged on its own, and then sent by a controller that closes
    // the connection after it, or keeps it open.
    void replies_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("check");
        QTest::addColumn<bool>("byLength");
        QTest::addColumn<QString>("text");
        const auto patched = [](QByteArray frame, int at, int delta) { return frame[at] = char(frame.at(at) + delta), frame; };
        const QByteArray whole = TeskFrame::encode("get_all(t=612;);"); // 31 bytes
        const int Whole = int(ReplyCheck::Whole), Incomplete = int(ReplyCheck::Incomplete);
        QTest::newRow("whole") << whole << Whole << true << "get_all(t=612;);";
        QTest::newRow("NUL cuts the text") << TeskFrame::encode(QByteArray("AB\0CD", 5)) << Whole << true << "AB";
        QTest::newRow("length counts characters") // the two bytes of ł counted as one
            << patched(TeskFrame::encode(QStringLiteral("t=Kotłownia;").toUtf8()), 10, -1) << Whole << false << "t=Kotłownia;";
        QTest::newRow("cut mid-frame") << whole.left(20) << Incomplete << false << "get_a";
        QTest::newRow("more announced than sent") << patched(whole, 10, 1) << Incomplete << false << "get_all(t=612;);";
        QTest::newRow("no end byte") << whole.left(whole.size() - 1) << Incomplete << false << "get_all(t=612;)";
        QTest::newRow("14 bytes") << whole.left(14) << Incomplete << false << "";
        QTest::newRow("wrong check sum") << patched(whole, 28, 1) << int(ReplyCheck::BadChecksum) << false << "get_all(t=612;);";
    }

    void replies()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, check);
        QFETCH(bool, byLength);
        QFETCH(QString, text);
        QCOMPARE(int(TeskFrame::checkReply(frame)), check);
        QCOMPARE(TeskFrame::wholeByLength(frame), byLength);
        QCOMPARE(TeskFrame::replyText(frame), text);

        const QString expected = check == int(ReplyCheck::Whole) ? "data " + text
            : Outcome::failed(check == int(ReplyCheck::BadChecksum) ? Failure::BadChecksum : Failure::Incomplete);
        for (const bool keepOpen : {false, true}) {
            ScriptedServer server;
            server.setReply(frame, keepOpen);
            QTeskCmd link;
            link.setTimeoutMs(kShortTimeoutMs);
            Outcome got(&link);
            link.sendRequest(kHost, QStringLiteral("get_all;"), server.port());
            QTRY_VERIFY(!got.log.isEmpty() && !got.log.endsWith(QStringLiteral("ready")));
            // Only a frame whole by its length ends while the connection stays open.
            QCOMPARE(got.log.last(), keepOpen && !byLength ? Outcome::failed(Failure::NoAnswer) : expected);
        }
    }

    void failuresEndTheRequest()
    {
        // Refused, closed without a reply, or larger than any reply may be: at
        // once, long before the default time-out; silent, or trickling bytes that
        // never make a frame: the time-out.
        quint16 refused;
        {
            ScriptedServer gone;
            refused = gone.port();
        }
        ScriptedServer closing;
        closing.setReply(QByteArray());
        const QList<QPair<quint16, Failure>> cases = {
            {refused, Failure::NoAnswer}, {closing.port(), Failure::NoAnswer}, {simulated(this, SimFault::Huge)->port(), Failure::Incomplete},
            {simulated(this, SimFault::Silent)->port(), Failure::NoAnswer}, {simulated(this, SimFault::Trickle)->port(), Failure::NoAnswer}};
        QTeskCmd link;
        Outcome outcome(&link);
        for (int i = 0; i < cases.size(); ++i) {
            link.setTimeoutMs(i < 3 ? QTeskCmd::kDefaultTimeoutMs : kShortTimeoutMs);
            link.sendRequest(kHost, QStringLiteral("get_all;"), cases.at(i).first);
            QTRY_COMPARE_WITH_TIMEOUT(outcome.log.size(), i + 1, 15000);
            QCOMPARE(outcome.log.last(), Outcome::failed(cases.at(i).second));
        }
    }

    void abandonedRequestsStaySilent()
    {
        SimServer *slow = simulated(this, SimFault::Delay, 150);
        SimServer *fast = simulated(this, SimFault::None);
        auto *link = new QTeskCmd(this);
        link->setTimeoutMs(kShortTimeoutMs);
        Outcome outcome(link);

        // A second request replaces the first; only it is answered.
        link->sendRequest(kHost, QStringLiteral("get(t1;);"), slow->port());
        QTRY_COMPARE(slow->requestCount(), 1);
        link->sendRequest(kHost, QStringLiteral("get_all;"), fast->port());
        QTRY_COMPARE(outcome.log, QStringList({"ready", "data get_all(t1=5;);"}));

        // Abandoned: neither its reply nor its time-out comes.
        link->sendRequest(kHost, QStringLiteral("get_all;"), slow->port());
        QTRY_COMPARE(slow->requestCount(), 2);
        link->abortRequest();
        link->abortRequest(); // idle: nothing to do

        // Timed out before its reply: the late reply is dropped.
        link->setTimeoutMs(50);
        link->sendRequest(kHost, QStringLiteral("get_all;"), slow->port());
        QTRY_COMPARE(outcome.log.size(), 3);

        // Destroyed while waiting: nothing reaches its listeners.
        link->setTimeoutMs(kShortTimeoutMs);
        link->sendRequest(kHost, QStringLiteral("get_all;"), slow->port());
        QTRY_COMPARE(slow->requestCount(), 4);
        delete link;
        QTest::qWait(kShortTimeoutMs * 2);
        QCOMPARE(outcome.log, QStringList({"ready", "data get_all(t1=5;);", Outcome::failed(Failure::NoAnswer)}));
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
