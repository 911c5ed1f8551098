#include "commandlanguage.h"
#include "replymatcher.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace CommandLanguage;

namespace {

// The matcher finds, for all names in one scan, what testing every name
// against every part by the rule gives.
void compareWithRule(const QStringList &names, const QStringList &parts)
{
    QVector<QStringRef> refs;
    for (const QString &part : parts)
        refs << QStringRef(&part);
    const ReplyMatcher::Found found = ReplyMatcher(names).scan(refs);
    for (int i = 0; i < names.size(); ++i) {
        QVector<int> candidates, matches;
        for (int p = 0; p < parts.size(); ++p) {
            if (isCandidate(parts.at(p), names.at(i)))
                (isMatch(parts.at(p), names.at(i)) ? matches : candidates) << p;
        }
        QVERIFY2(found.present(i) == !(candidates + matches).isEmpty() && found.matches(i) == matches,
                 qPrintable(QStringLiteral("'%1' in [%2]").arg(names.at(i), parts.join('|'))));
    }
}

} // namespace

class TestCommandLanguage : public QObject
{
    Q_OBJECT

private slots:
    void preparation_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QStringList>("parts");
        const QString reply = "  get_all(t1.value=215;t1.err=0;pump=1;);\n";
        QTest::newRow("values") << reply << 0 << QStringList({"t1.value=215", "t1.err=0", "pump=1", ""});
        QTest::newRow("one entry, not processable") << "(x=1);" << 0 << QStringList("x=1");
        QTest::newRow("empty") << "" << 0 << QStringList("");
        QTest::newRow("no paren") << "a=1;b=2;);" << 0 << QStringList({"a=1", "b=2", ""});
        QTest::newRow("bad closing loses characters") << "p(a=1;b=22)" << 0 << QStringList({"a=1", "b=2"});
        QTest::newRow("body shorter than the closing") << "(;" << 0 << QStringList("");
        QTest::newRow("device editor") << reply << 1 << QStringList({"t1.value=215", "t1.err=0", "pump=1"});
        QTest::newRow("device editor, too short") << "x)" << 1 << QStringList("");
        QTest::newRow("description") << "d(a.t1.type=int;);" << 2 << QStringList({"a.t1.type=int", ")", ""});
    }

    void preparation()
    {
        QFETCH(QString, reply);
        QFETCH(int, variant);
        QFETCH(QStringList, parts);
        const QStringList got = variant == 0 ? prepareValues(reply) : variant == 1 ? prepareForDeviceEditor(reply) : prepareDescription(reply);
        QCOMPARE(got, parts);
        QCOMPARE(isProcessable(got), parts.size() >= 2);
    }

    void matching_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("candidate");
        QTest::addColumn<bool>("match");
        QTest::newRow("bare") << "t1=5" << "t1" << true << true;
        QTest::newRow("value attribute") << "t1.value=215" << "t1" << true << true;
        QTest::newRow("err attribute") << "t1.err=0" << "t1" << true << false;
        QTest::newRow("longer name") << "t10=5" << "t1" << true << false;
        QTest::newRow("name in value") << "x=t1" << "t1" << true << false;
        QTest::newRow("case") << "T1=5" << "t1" << false << false;
        QTest::newRow("dotted name") << "kot.t1=3" << "kot.t1" << true << true;
        QTest::newRow("value holds =") << "a.b=c=d" << "a.b" << true << true;
        QTest::newRow("no =: all key") << "t1" << "t1" << true << true;
        QTest::newRow("empty name") << "x=1" << "" << true << false;
        QTest::newRow("outside Latin-1") << "ł.value=1" << "ł" << true << true;
    }

    void matching()
    {
        QFETCH(QString, part);
        QFETCH(QString, name);
        QFETCH(bool, candidate);
        QFETCH(bool, match);
        QCOMPARE(isCandidate(part, name), candidate);
        QCOMPARE(isMatch(part, name) && candidate, match);
        QCOMPARE(entryKey(part) + (part.contains('=') ? '=' + entryValue(part) : QString()), part);
        compareWithRule({name, "other", name}, {part, "", part});
    }

    void matcherAgreesWithTheRule()
    {
        // A small alphabet makes names substrings of one another, of ".value",
        // and of values, so every branch of the rule is exercised.
        QRandomGenerator rng(20261206);
        const auto randomText = [&rng](const QString &alphabet, int maxLength) {
            QString s;
            for (int n = rng.bounded(maxLength + 1); n > 0; --n)
                s += alphabet.at(rng.bounded(alphabet.size()));
            return s;
        };
        for (int round = 0; round < 400 && !QTest::currentTestFailed(); ++round) {
            QStringList names;
            for (int i = rng.bounded(1, 12); i > 0; --i)
                names << randomText("ab.vl", 5);
            QStringList parts;
            for (int i = rng.bounded(1, 20); i > 0; --i) {
                const QString tail = randomText("ab.vale=ł;", 14);
                parts << (rng.bounded(3) ? tail : names.at(rng.bounded(names.size())) + (rng.bounded(2) ? ".value=" : "=") + tail);
            }
            compareWithRule(names, parts);
        }
    }

    void decoding_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text"); // "-" for not decoded
        QTest::newRow("temp 200") << "temp" << "t.value" << "200" << "20";
        QTest::newRow("temp -5") << "temp" << "t.value" << "-5" << "-0.5";
        QTest::newRow("temp -0") << "temp" << "t" << "-0" << "0";
        QTest::newRow("temp six digits") << "temp" << "t" << "12345678" << "1.23457e+06";
        QTest::newRow("temp fraction") << "temp" << "t" << "215.5" << "21.55";
        QTest::newRow("temp not a number") << "temp" << "t" << "21,5" << "0";
        QTest::newRow("temp err") << "temp" << "t.err" << "3" << "-";
        QTest::newRow("int 007") << "int" << "i" << "007" << "7";
        QTest::newRow("int signs and spaces") << "logic" << "i" << " +5" << "5";
        QTest::newRow("int beyond 15 digits") << "int" << "i" << "9999999999999999" << "9999999999999999";
        QTest::newRow("percent empty") << "percent" << "i" << "" << "0";
        QTest::newRow("real fraction") << "real" << "r" << "72.50" << "72.5";
        QTest::newRow("real negative with exponent") << "real" << "r" << "-1.5e2" << "-150";
        QTest::newRow("combo not decoded") << "combo" << "c" << "1" << "-";
    }

    void decoding()
    {
        QFETCH(QString, type);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QString out = QStringLiteral("-");
        QCOMPARE(decode(type, key, value, &out), text != "-");
        QCOMPARE(out, text);
    }

    void composedTexts()
    {
        QCOMPARE(getCommand({"t1", "t2"}) + getCommand({}), "get(t1;t2;);get();"); // an empty get( still goes out
        // Values go out exactly as given: no scaling, quoting or escaping.
        QCOMPARE(setCommand({{"t1", "215"}, {"m", "21.5"}}), "set(t1=215;m=21.5;);");
        QCOMPARE(composeIdentity({}).serial, "0000-0000--000000");
        // A name equal to the one before is not repeated, a later one is; the
        // unclosed last entry still names a variable.
        QCOMPARE(variableCatalogue(prepareDescription("d(a.t1.type=int;a.t1.modify=1;a.t2.type=on_off;a.t1.max=5")),
                 QStringList({"a.t1", "a.t2", "a.t1"}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLanguage)
#include "tst_commandlanguage.moc"
