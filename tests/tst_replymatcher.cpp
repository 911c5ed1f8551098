#include "commandlanguage.h"
#include "replymatcher.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The rule as stated: every name against every part.
struct Result
{
    bool present = false;
    QVector<int> matches;
};

QVector<Result> reference(const QStringList &names, const QStringList &parts)
{
    QVector<Result> out;
    for (const QString &name : names) {
        Result r;
        for (int p = 0; p < parts.size(); ++p) {
            if (!CommandLanguage::isCandidate(parts.at(p), name))
                continue;
            r.present = true;
            if (CommandLanguage::isMatch(parts.at(p), name))
                r.matches << p;
        }
        out << r;
    }
    return out;
}

QString randomText(QRandomGenerator &rng, const QString &alphabet, int maxLength)
{
    QString s;
    const int n = rng.bounded(maxLength + 1);
    for (int i = 0; i < n; ++i)
        s += alphabet.at(rng.bounded(alphabet.size()));
    return s;
}

void compare(const QStringList &names, const QStringList &parts)
{
    const auto expected = reference(names, parts);
    const ReplyMatcher::Found got = ReplyMatcher(names).scan(parts);
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY2(got.present(i) == expected.at(i).present && got.matches(i) == expected.at(i).matches,
                 qPrintable(QStringLiteral("name '%1' in parts [%2]").arg(names.at(i), parts.join(QLatin1Char('|')))));
    }
}

} // namespace

class TestReplyMatcher : public QObject
{
    Q_OBJECT

private slots:
    void knownCases();
    void randomizedAgainstTheRule();
};

void TestReplyMatcher::knownCases()
{
    const QStringList parts = {"t1.value=215", "t1.err=0", "t10=5", "x=t1", "pump=1", "t1=4", "a.t1.value=3", "", "t1.value"};
    const QStringList names = {"t1", "t10", "pump", "missing", "t1", "", ".value", "ł"};
    const ReplyMatcher::Found r = ReplyMatcher(names).scan(parts);
    QCOMPARE(r.matches(0), QVector<int>({0, 5, 6, 8}));
    QVERIFY(r.present(0));
    QCOMPARE(r.matches(1), QVector<int>({2}));
    QCOMPARE(r.matches(2), QVector<int>({4}));
    QVERIFY(!r.present(3));
    QCOMPARE(r.matches(4), r.matches(0)); // a repeated name gets the same result
    ReplyMatcher().scan(parts);           // no names: nothing to find, nothing to trip over
    ReplyMatcher(QStringList()).scan(parts);
    compare(names, parts);
}

void TestReplyMatcher::randomizedAgainstTheRule()
{
    // A small alphabet makes names substrings of one another, of ".value",
    // and of values, so every branch of the rule is exercised.
    QRandomGenerator rng(20261206);
    const QString nameAlphabet = QStringLiteral("ab.vl");
    const QString partAlphabet = QStringLiteral("ab.vale=ł;");
    for (int round = 0; round < 400; ++round) {
        QStringList names;
        for (int i = rng.bounded(1, 12); i > 0; --i)
            names << randomText(rng, nameAlphabet, 5);
        QStringList parts;
        for (int i = rng.bounded(1, 20); i > 0; --i) {
            QString part = randomText(rng, partAlphabet, 14);
            if (rng.bounded(3) == 0 && !names.isEmpty())
                part = names.at(rng.bounded(names.size())) + (rng.bounded(2) ? QStringLiteral(".value=") : QStringLiteral("=")) + part;
            parts << part;
        }
        compare(names, parts);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_GUILESS_MAIN(TestReplyMatcher)
#include "tst_replymatcher.moc"
