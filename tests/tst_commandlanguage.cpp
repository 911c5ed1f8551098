#include "commandlanguage.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace CommandLanguage;

namespace {
const QString kReply = QStringLiteral("  get_all(t1.value=215;t1.err=0;pump=1;);\n");
}

class TestCommandLanguage : public QObject
{
    Q_OBJECT

private slots:
    void commands();
    void preparation_data();
    void preparation();
    void entries();
    void matching_data();
    void matching();
    void decoding_data();
    void decoding();
    void decodingAgreesWithQtNumbers();
    void matchAndDecodeReply();
    void identity();
    void catalogue();
};

void TestCommandLanguage::commands()
{
    QCOMPARE(getAllCommand(), QStringLiteral("get_all;"));
    QCOMPARE(describeAllCommand(), QStringLiteral("describe_all;"));
    QCOMPARE(identityCommand(), QStringLiteral("get(dev.mac;dev.serial;dev.ver;);"));
    QCOMPARE(getCommand({QStringLiteral("t1"), QStringLiteral("t2")}), QStringLiteral("get(t1;t2;);"));
    QCOMPARE(getCommand({}), QStringLiteral("get();"));
    // Values go out exactly as given: no scaling, quoting or escaping.
    QCOMPARE(setCommand({{QStringLiteral("t1"), QStringLiteral("215")}, {QStringLiteral("m"), QStringLiteral("21.5")}}),
             QStringLiteral("set(t1=215;m=21.5;);"));
}

void TestCommandLanguage::preparation_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("parts");
    const QStringList four = {QStringLiteral("t1.value=215"), QStringLiteral("t1.err=0"), QStringLiteral("pump=1"), QString()};
    QTest::newRow("values") << kReply << 0 << four;
    QTest::newRow("one entry, not processable") << QStringLiteral("(x=1);") << 0 << QStringList(QStringLiteral("x=1"));
    QTest::newRow("empty") << QString() << 0 << QStringList(QString());
    QTest::newRow("no paren") << QStringLiteral("a=1;b=2;);") << 0 << QStringList({QStringLiteral("a=1"), QStringLiteral("b=2"), QString()});
    QTest::newRow("device editor") << kReply << 1 << QStringList({QStringLiteral("t1.value=215"), QStringLiteral("t1.err=0"), QStringLiteral("pump=1")});
    QTest::newRow("description") << QStringLiteral("d(a.t1.type=int;);") << 2
                                 << QStringList({QStringLiteral("a.t1.type=int"), QStringLiteral(")"), QString()});
    // A reply closed badly loses characters of its last entry.
    QTest::newRow("bad closing") << QStringLiteral("p(a=1;b=22)") << 0 << QStringList({QStringLiteral("a=1"), QStringLiteral("b=2")});
}

void TestCommandLanguage::preparation()
{
    QFETCH(QString, reply);
    QFETCH(int, variant);
    QFETCH(QStringList, parts);
    const QStringList got = variant == 0 ? prepareValues(reply)
        : variant == 1                   ? prepareForDeviceEditor(reply)
                                         : prepareDescription(reply);
    QCOMPARE(got, parts);
    if (variant == 0)
        QCOMPARE(isProcessable(got), parts.size() >= 2);
}

void TestCommandLanguage::entries()
{
    QCOMPARE(entryKey(QStringLiteral("a.b=c=d")), QStringLiteral("a.b"));
    QCOMPARE(entryValue(QStringLiteral("a.b=c=d")), QStringLiteral("c=d"));
    QCOMPARE(entryKey(QStringLiteral("noequals")), QStringLiteral("noequals"));
    QCOMPARE(entryValue(QStringLiteral("noequals")), QString());
    QCOMPARE(entryValue(QStringLiteral("k=")), QString());
}

void TestCommandLanguage::matching_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("devVar");
    QTest::addColumn<bool>("candidate");
    QTest::addColumn<bool>("match");
    QTest::newRow("bare") << QStringLiteral("t1=5") << QStringLiteral("t1") << true << true;
    QTest::newRow("value attribute") << QStringLiteral("t1.value=215") << QStringLiteral("t1") << true << true;
    QTest::newRow("err attribute") << QStringLiteral("t1.err=0") << QStringLiteral("t1") << true << false;
    QTest::newRow("longer name") << QStringLiteral("t10=5") << QStringLiteral("t1") << true << false;
    QTest::newRow("name in value") << QStringLiteral("x=t1") << QStringLiteral("t1") << true << false;
    QTest::newRow("case") << QStringLiteral("T1=5") << QStringLiteral("t1") << false << false;
    QTest::newRow("prefix.value") << QStringLiteral("a.t1.value=3") << QStringLiteral("t1") << true << true;
    QTest::newRow("dotted name") << QStringLiteral("kot.t1=3") << QStringLiteral("kot.t1") << true << true;
}

void TestCommandLanguage::matching()
{
    QFETCH(QString, part);
    QFETCH(QString, devVar);
    QFETCH(bool, candidate);
    QFETCH(bool, match);
    QCOMPARE(isCandidate(part, devVar), candidate);
    QCOMPARE(isMatch(part, devVar), match);
}

void TestCommandLanguage::decoding_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("decoded");
    QTest::addColumn<QString>("text");
    QTest::newRow("temp 200") << "temp" << "t.value" << "200" << true << "20";
    QTest::newRow("temp -5") << "temp" << "t.value" << "-5" << true << "-0.5";
    QTest::newRow("temp 2155") << "temp" << "t.value" << "2155" << true << "215.5";
    QTest::newRow("temp fraction") << "temp" << "t" << "215.5" << true << "21.55";
    QTest::newRow("temp six digits") << "temp" << "t" << "12345678" << true << "1.23457e+06";
    QTest::newRow("temp not a number") << "temp" << "t" << "abc" << true << "0";
    QTest::newRow("temp comma is not a point") << "temp" << "t" << "21,5" << true << "0";
    QTest::newRow("temp err") << "temp" << "t.err" << "3" << false << "";
    QTest::newRow("int 007") << "int" << "i" << "007" << true << "7";
    QTest::newRow("logic 007") << "logic" << "i" << "007" << true << "7";
    QTest::newRow("percent empty") << "percent" << "i" << "" << true << "0";
    QTest::newRow("real is an integer") << "real" << "r" << "21.5" << true << "0";
    QTest::newRow("int negative") << "int" << "i" << "-12" << true << "-12";
    QTest::newRow("int large") << "int" << "i" << "4000000000" << true << "4000000000";
    QTest::newRow("combo not decoded") << "combo" << "c" << "1" << false << "";
    QTest::newRow("unknown not decoded") << "string" << "s" << "x" << false << "";
}

void TestCommandLanguage::decoding()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, decoded);
    QFETCH(QString, text);
    QString out;
    QCOMPARE(decode(type, key, value, &out), decoded);
    if (decoded)
        QCOMPARE(out, text);
}

void TestCommandLanguage::decodingAgreesWithQtNumbers()
{
    // Whatever way a value is read, the text must be what Qt's number
    // conversions give for it.
    QRandomGenerator rng(7);
    const QString alphabet = QStringLiteral("0123456789-+ .e");
    QStringList values = {QStringLiteral("-0"), QStringLiteral("0"), QStringLiteral("999999"), QStringLiteral("1000000"),
                          QStringLiteral("-999999"), QStringLiteral("9999999999999999"), QStringLiteral(" 5"),
                          QStringLiteral("+5"), QStringLiteral("00"), QStringLiteral("-"), QString()};
    for (int i = 0; i < 5000; ++i) {
        QString v;
        const int length = rng.bounded(1, 18);
        const bool digitsOnly = rng.bounded(2);
        for (int k = 0; k < length; ++k)
            v += alphabet.at(rng.bounded(digitsOnly ? 11 : alphabet.size()));
        values << v;
    }
    for (const QString &v : values) {
        QString temp;
        QString integer;
        QVERIFY(decode(QStringLiteral("temp"), QStringLiteral("t"), v, &temp));
        QVERIFY(decode(QStringLiteral("int"), QStringLiteral("t"), v, &integer));
        QCOMPARE(temp, QString::number(v.toDouble() / 10.0, 'g', 6));
        QCOMPARE(integer, QString::number(v.toLongLong(nullptr, 10)));
    }
}

void TestCommandLanguage::matchAndDecodeReply()
{
    // The reader's road: prepare, keep the matches, decode each; the last wins.
    const QStringList parts = prepareValues(kReply);
    QStringList t1;
    QStringList pump;
    for (const QString &part : parts) {
        QString out;
        if (isMatch(part, QStringLiteral("t1")) && decode(QStringLiteral("temp"), entryKey(part), entryValue(part), &out))
            t1 << out;
        if (isMatch(part, QStringLiteral("pump")) && decode(QStringLiteral("logic"), entryKey(part), entryValue(part), &out))
            pump << out;
    }
    QCOMPARE(t1, QStringList(QStringLiteral("21.5")));
    QCOMPARE(pump, QStringList(QStringLiteral("1")));
}

void TestCommandLanguage::identity()
{
    const QStringList parts = prepareForDeviceEditor(QStringLiteral(
        "get(dev.mac.0=0;dev.mac.1=1;dev.mac.2=2;dev.mac.3=3;dev.mac.4=4;dev.mac.5=5;"
        "dev.serial.0=12;dev.serial.1=7;dev.serial.2=A;dev.serial.3=5;dev.ver.0=1;dev.ver.1=4;dev.ver.2=2;);"));
    const Identity id = composeIdentity(parts);
    QCOMPARE(id.mac, QStringLiteral("0:1:2:3:4:5"));
    QCOMPARE(id.serial, QStringLiteral("0012-0007-A-000005"));
    QCOMPARE(id.version, QStringLiteral("1.4.2"));

    const Identity missing = composeIdentity({});
    QCOMPARE(missing.mac, QStringLiteral(":::::"));
    QCOMPARE(missing.serial, QStringLiteral("0000-0000--000000"));
}

void TestCommandLanguage::catalogue()
{
    const QStringList parts = prepareDescription(QStringLiteral(
        "describe_all(a.t1.type=int;a.t1.modify=1;a.t2.type=on_off;a.t1.max=5;);"));
    QCOMPARE(variableCatalogue(parts), QStringList({QStringLiteral("a.t1"), QStringLiteral("a.t2"), QStringLiteral("a.t1")}));
    QCOMPARE(variableCatalogue(prepareDescription(QStringLiteral("d(a.t1.type=int;a.t1.modify=1;a.t2.type=on_off"))),
             QStringList({QStringLiteral("a.t1"), QStringLiteral("a.t2")}));
}

QTEST_GUILESS_MAIN(TestCommandLanguage)
#include "tst_commandlanguage.moc"
