#include "projectfixtures.h"
#include "schemefile.h"
#include "tempworkdir.h"

#include <QDomDocument>
#include <QtTest>

namespace {

MenuItemRecord sampleScheme()
{
    MenuItemRecord r = Fixtures::scheme(QStringLiteral("12"), QString(), QStringLiteral("0"));
    r.readVariables = {{"K1", "kot.t1", "tKotła", "temp", QString()}, {"K1", "x", "x", "dziwny", QString()}};
    EventItemRecord combo{"combo", "kot.pompa", "K1", "Pompa obiegowa", {{"1", "Włącz"}, {"0", "Wyłącz"}}};
    EventItemRecord change{"scheme", "k2", "-", "-", {}};
    r.events = {EventRecord{"pompa", {combo, change}}, EventRecord{"pusty", {}}};
    return r;
}

const QByteArray kSampleBytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<VariablesMap>\n"
                                " <var device=\"K1\" devVar=\"kot.t1\" qmlVar=\"tKotła\" type=\"temp\"/>\n"
                                " <var device=\"K1\" devVar=\"x\" qmlVar=\"x\" type=\"dziwny\"/>\n"
                                " <event schemeEvent=\"pompa\">\n"
                                "  <item type=\"combo\" property=\"kot.pompa\" device=\"K1\" name=\"Pompa obiegowa\">\n"
                                "   <subItem value=\"1\" name=\"Włącz\"/>\n"
                                "   <subItem value=\"0\" name=\"Wyłącz\"/>\n"
                                "  </item>\n"
                                "  <item type=\"scheme\" property=\"k2\" device=\"-\" name=\"-\"/>\n"
                                " </event>\n"
                                " <event schemeEvent=\"pusty\"/>\n"
                                "</VariablesMap>\n";

} // namespace

class TestSchemeFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIsByteExact();
    void unreadableFiles_data();
    void unreadableFiles();
    void textXmlCannotCarry();
    void schemeIds_data();
    void schemeIds();
};

void TestSchemeFile::roundTripIsByteExact()
{
    TempWorkDir dir;
    const MenuItemRecord r = sampleScheme();
    const QString path = SchemeFile::path(dir.path() + QLatin1Char('/'), r.id);
    QCOMPARE(path, dir.filePath(QStringLiteral("12.xml")));
    QCOMPARE(SchemeFile::write(path, r), QString());
    // Attributes in the same order at every run, whatever the hash seed.
    QCOMPARE(dir.read(QStringLiteral("12.xml")), kSampleBytes);
    MenuItemRecord back;
    QCOMPARE(SchemeFile::read(path, back), XmlRead::Status::Read);
    QCOMPARE(back.readVariables, r.readVariables);
    QCOMPARE(back.events, r.events);

    SchemeFile::write(path, MenuItemRecord());
    QCOMPARE(dir.read(QStringLiteral("12.xml")), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VariablesMap/>\n"));
    QCOMPARE(SchemeFile::read(path, back), XmlRead::Status::Read);
    QVERIFY(back.readVariables.isEmpty() && back.events.isEmpty());
}

void TestSchemeFile::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << QByteArray("<VariablesMap><var device=\"a\"/><var device=\"b\"");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray(300, '\xff');
    QTest::newRow("nested 40000 deep") << Fixtures::deepDocument(QStringLiteral("VariablesMap"));
}

void TestSchemeFile::unreadableFiles()
{
    QFETCH(QByteArray, content);
    TempWorkDir dir;
    dir.write(QStringLiteral("x.xml"), content);
    MenuItemRecord r = sampleScheme();
    QCOMPARE(SchemeFile::read(dir.filePath(QStringLiteral("x.xml")), r), XmlRead::Status::Unreadable);
    QVERIFY(r.readVariables.isEmpty() && r.events.isEmpty());
    QCOMPARE(SchemeFile::read(dir.filePath(QStringLiteral("missing.xml")), r), XmlRead::Status::Missing);
    QVERIFY(!SchemeFile::write(dir.filePath(QStringLiteral("no/such/x.xml")), r).isEmpty());
}

void TestSchemeFile::textXmlCannotCarry()
{
    TempWorkDir dir;
    MenuItemRecord r;
    r.readVariables = {{QStringLiteral("K\uFFFE1"), QStringLiteral("a\x01" "b"), QString(QChar(0xD800)) + "x",
                        QStringLiteral("temp"), QString()}};
    QCOMPARE(SchemeFile::write(dir.filePath(QStringLiteral("s.xml")), r), QString());
    QDomDocument doc;
    QVERIFY(doc.setContent(dir.read(QStringLiteral("s.xml"))));
    MenuItemRecord back;
    QCOMPARE(SchemeFile::read(dir.filePath(QStringLiteral("s.xml")), back), XmlRead::Status::Read);
    const TeskSchemeVariable v = back.readVariables.value(0);
    QCOMPARE(v.device, QStringLiteral("K\uFFFD1"));
    QCOMPARE(v.devVar, QStringLiteral("a\uFFFDb"));
    QCOMPARE(v.qmlVar, QStringLiteral("\uFFFDx"));
}

void TestSchemeFile::schemeIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("valid");
    const QStringList valid = {"k1", "12", "kocioł 2", "a.b", "console", "com10", "projekt", "configs"};
    for (const QString &id : valid)
        QTest::newRow(qPrintable(id)) << id << true;
    const QStringList refused = {"", "  ", "../x", "..", "a/b", "/etc/passwd", "a\\b", "c:x", "a*", "a.", "a ",
                                 "project", "Project", "deviceList", "DEVICELIST", "menuList", "config",
                                 "CON", "nul", "com1", "LPT9", "aux.k1", QString(300, QLatin1Char('k'))};
    for (const QString &id : refused)
        QTest::newRow(qPrintable(QStringLiteral("refused ") + id.left(20))) << id << false;
    QTest::newRow("control") << QStringLiteral("a\nb") << false;
    QTest::newRow("lone surrogate") << (QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")) << false;
    QTest::newRow("noncharacter") << QStringLiteral("a\uFFFE") << false;
}

void TestSchemeFile::schemeIds()
{
    QFETCH(QString, id);
    QFETCH(bool, valid);
    QString reason = QStringLiteral("stale");
    QCOMPARE(SchemeFile::isValidSchemeId(id, &reason), valid);
    QCOMPARE(reason.isEmpty(), valid);
}

QTEST_GUILESS_MAIN(TestSchemeFile)
#include "tst_schemefile.moc"
