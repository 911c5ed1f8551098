#include "linktrace.h"
#include "qteskcmd.h"
#include "teskframe.h"

#include <QDebug>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

class TestTeskFrame : public QObject
{
    Q_OBJECT

private slots:
    void checksums_data();
    void checksums();
    void requestFrames_data();
    void requestFrames();
    void lengthIsBigEndian();
    void replyUnwrapping_data();
    void replyUnwrapping();
    void checksumVerification();
    void traceQuotesLikeQtDebug();
};

void TestTeskFrame::checksums_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sum");
    QTest::newRow("empty") << QString() << QStringLiteral("ffff");
    QTest::newRow("get_all") << QStringLiteral("get_all;") << QStringLiteral("481f");
    QTest::newRow("check value") << QStringLiteral("123456789") << QStringLiteral("4b37");
    QTest::newRow("leading zeros kept") << QStringLiteral("x3c") << QStringLiteral("00a5");
    QTest::newRow("ISO 8859-1 byte") << QStringLiteral("set(t=\u00e9?;);") << QStringLiteral("d4aa");
}

void TestTeskFrame::checksums()
{
    QFETCH(QString, text);
    QFETCH(QString, sum);
    QCOMPARE(QTeskCmd::checksum(text), sum);
    QCOMPARE(QTeskCmd::checksum(text).size(), 4);
}

void TestTeskFrame::requestFrames_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("get_all") << QByteArray("get_all;")
                             << bytes("A100FAFB53000000000008006765745F616C6C3B481FB1");
    QTest::newRow("empty") << QByteArray() << bytes("A100FAFB5300000000000000FFFFB1");
    QTest::newRow("zero byte not escaped") << QByteArray("x3c") << bytes("A100FAFB530000000000030078336300A5B1");
}

void TestTeskFrame::requestFrames()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, frame);
    QCOMPARE(TeskFrame::encode(payload).toHex(' '), frame.toHex(' '));
    QCOMPARE(TeskFrame::encode(payload).size(), payload.size() + 15);
}

void TestTeskFrame::lengthIsBigEndian()
{
    QCOMPARE(TeskFrame::encode(QByteArray(17, 'x')).mid(7, 4), bytes("00000011"));
    QCOMPARE(TeskFrame::encode(QByteArray(0x1234, 'x')).mid(7, 4), bytes("00001234"));
}

void TestTeskFrame::replyUnwrapping_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("text");
    QTest::newRow("ABC") << bytes("A100FAFB5300000000000300414243AAAAB1") << QStringLiteral("ABC");
    QTest::newRow("NUL inside") << bytes("A100FAFB530000000000050041420043440000B1") << QStringLiteral("AB");
    QTest::newRow("length ignored") << bytes("A100FAFB5300000000FFFF00414243AAAAB1") << QStringLiteral("ABC");
    QTest::newRow("14 bytes") << bytes("A100FAFB5300000000000300414243") << QString();
    QTest::newRow("15 bytes") << bytes("A100FAFB5300000000000000FFFFB1") << QString();
    QTest::newRow("UTF-8") << TeskFrame::encode(QStringLiteral("t=Kotłownia;").toUtf8())
                           << QStringLiteral("t=Kotłownia;");
}

void TestTeskFrame::replyUnwrapping()
{
    QFETCH(QByteArray, frame);
    QFETCH(QString, text);
    QCOMPARE(TeskFrame::replyText(frame), text);
}

void TestTeskFrame::checksumVerification()
{
    QByteArray frame = TeskFrame::encode("get_all(a=1;);");
    QVERIFY(TeskFrame::checksumMatches(frame));
    frame[frame.size() - 2] = char(frame.at(frame.size() - 2) ^ 1);
    QVERIFY(!TeskFrame::checksumMatches(frame));
    QVERIFY(!TeskFrame::checksumMatches(bytes("A100FAFB")));
}

void TestTeskFrame::traceQuotesLikeQtDebug()
{
    QRandomGenerator rng(11);
    QList<QByteArray> samples = {QByteArray(), QByteArray("get_all;"), QByteArray("\"\\\b\f\n\r\t", 7),
                                 QByteArray::fromHex("A100FAFB530000000000080067"), QByteArray("\x01" "abc", 4)};
    for (int i = 0; i < 300; ++i) {
        QByteArray b(rng.bounded(40), '\0');
        for (char &c : b)
            c = char(rng.bounded(256));
        samples << b;
    }
    for (const QByteArray &b : samples) {
        QString qt;
        QDebug(&qt).nospace() << b;
        QCOMPARE(QString::fromLatin1(quotedBytes(b)), qt);
    }
}

QTEST_GUILESS_MAIN(TestTeskFrame)
#include "tst_teskframe.moc"
