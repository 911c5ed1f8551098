#include "schemefile.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QtTest>

namespace {

MenuItemRecord sampleScheme()
{
    MenuItemRecord r;
    r.kind = QStringLiteral("Item");
    r.id = QStringLiteral("12");
    r.readVariables = {{QStringLiteral("K1"), QStringLiteral("kot.t1"), QStringLiteral("tKotła"), QStringLiteral("temp"), QString()},
                       {QStringLiteral("K1"), QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("dziwny"), QString()}};
    EventRecord pump{QStringLiteral("pompa"), {}};
    EventItemRecord combo;
    combo.type = QStringLiteral("combo");
    combo.property = QStringLiteral("kot.pompa");
    combo.device = QStringLiteral("K1");
    combo.name = QStringLiteral("Pompa obiegowa");
    combo.listValues = {{QStringLiteral("1"), QStringLiteral("Włącz")}, {QStringLiteral("0"), QStringLiteral("Wyłącz")}};
    EventItemRecord scheme;
    scheme.type = QStringLiteral("scheme");
    scheme.property = QStringLiteral("k2");
    scheme.device = QStringLiteral("-");
    scheme.name = QStringLiteral("-");
    pump.items = {combo, scheme};
    r.events = {pump, EventRecord{QStringLiteral("pusty"), {}}};
    return r;
}

} // namespace

class TestSchemeFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void emptyScheme();
    void readingRules();
    void badFiles();
    void schemeIds_data();
    void schemeIds();
};

void TestSchemeFile::roundTrip()
{
    TempWorkDir dir;
    const MenuItemRecord r = sampleScheme();
    const QString path = SchemeFile::path(dir.path() + QLatin1Char('/'), r.id);
    QCOMPARE(path, dir.filePath(QStringLiteral("12.xml")));
    QCOMPARE(SchemeFile::write(path, r), QString());
    const QByteArray bytes = dir.read(QStringLiteral("12.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VariablesMap>\n <var "));
    QVERIFY(!bytes.contains("DOCTYPE"));
    QVERIFY(bytes.contains("\n   <subItem "));
    QCOMPARE(SchemeFile::readVariables(path), r.readVariables);
    QCOMPARE(SchemeFile::readEvents(path), r.events);
}

void TestSchemeFile::emptyScheme()
{
    TempWorkDir dir;
    MenuItemRecord r;
    r.id = QStringLiteral("e");
    SchemeFile::write(dir.filePath(QStringLiteral("e.xml")), r);
    QVERIFY(dir.read(QStringLiteral("e.xml")).contains("<VariablesMap/>"));
    QVERIFY(SchemeFile::readVariables(dir.filePath(QStringLiteral("e.xml"))).isEmpty());
    QVERIFY(SchemeFile::readEvents(dir.filePath(QStringLiteral("e.xml"))).isEmpty());
}

void TestSchemeFile::readingRules()
{
    const QString k1 = TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/k1.xml");
    const QList<EventRecord> events = SchemeFile::readEvents(k1);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0).items.at(0).listValues.size(), 2);
    QCOMPARE(events.at(0).items.at(0).listValues.at(0).name, QStringLiteral("Włącz"));
    QVERIFY(events.at(0).items.at(1).listValues.isEmpty()); // not read under an "int" item

    // Interleaved in the file, variables come first once written again.
    TempWorkDir dir;
    MenuItemRecord r;
    r.readVariables = SchemeFile::readVariables(k1);
    r.events = events;
    QCOMPARE(r.readVariables.size(), 2);
    SchemeFile::write(dir.filePath(QStringLiteral("k1.xml")), r);
    const QByteArray bytes = dir.read(QStringLiteral("k1.xml"));
    QVERIFY(bytes.lastIndexOf("<var ") < bytes.indexOf("<event "));
}

void TestSchemeFile::badFiles()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("broken.xml"), "<VariablesMap><var device=\"a\"");
    QVERIFY(SchemeFile::readVariables(dir.filePath(QStringLiteral("broken.xml"))).isEmpty());
    QVERIFY(SchemeFile::readEvents(dir.filePath(QStringLiteral("missing.xml"))).isEmpty());
    QVERIFY(!SchemeFile::write(dir.filePath(QStringLiteral("no/such/x.xml")), MenuItemRecord()).isEmpty());
}

void TestSchemeFile::schemeIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "k1" << true;
    QTest::newRow("digits") << "12" << true;
    QTest::newRow("polish") << "kocioł 2" << true;
    QTest::newRow("inner dot") << "a.b" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << "  " << false;
    QTest::newRow("up") << "../x" << false;
    QTest::newRow("dots") << ".." << false;
    QTest::newRow("slash") << "a/b" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("colon") << "c:x" << false;
    QTest::newRow("star") << "a*" << false;
    QTest::newRow("trailing dot") << "a." << false;
    QTest::newRow("control") << QStringLiteral("a\nb") << false;
}

void TestSchemeFile::schemeIds()
{
    QFETCH(QString, id);
    QFETCH(bool, valid);
    QCOMPARE(SchemeFile::isValidSchemeId(id), valid);
}

QTEST_GUILESS_MAIN(TestSchemeFile)
#include "tst_schemefile.moc"
