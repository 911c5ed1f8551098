#include "menufile.h"
#include "schemefile.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QDomDocument>
#include <QtTest>

namespace {

MenuItemRecord group(const QString &id, const QString &text, const QString &parent)
{
    MenuItemRecord r;
    r.kind = QStringLiteral("Group");
    r.id = id;
    r.text = text;
    r.parent = parent;
    return r;
}

MenuItemRecord scheme(const QString &id, const QString &text, const QString &parent, int interval = 0)
{
    MenuItemRecord r;
    r.kind = QStringLiteral("Item");
    r.id = id;
    r.text = text;
    r.parent = parent;
    r.qmlFile = QStringLiteral("qml/") + id + QStringLiteral(".qml");
    r.interval = interval;
    return r;
}

QStringList ids(const MenuTree &tree)
{
    QStringList out;
    for (const MenuItemRecord &r : tree.records)
        out << r.id + QLatin1Char('<') + r.parent;
    return out;
}

QString location(const TempWorkDir &dir)
{
    return dir.path() + QLatin1Char('/');
}

} // namespace

class TestMenuFile : public QObject
{
    Q_OBJECT

private slots:
    void readsSampleProject();
    void singleGroupRoundTrip();
    void nestedExample();
    void groupParentComesFromItsId();
    void sameTextGroups();
    void topLevelSchemesAreKept();
    void writerPlacesLateParents();
    void orphansEndAtTheTop();
    void unsafeSchemeIdStaysInside();
    void badFiles();
};

void TestMenuFile::readsSampleProject()
{
    const MenuTree tree = MenuFile::read(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/"));
    QCOMPARE(ids(tree), QStringList({"1<0", "p1<1", "1.1<1", "k1<1.1", "2<0", "w1<2"}));
    QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 0, 2, -1, 4}));
    const MenuItemRecord &k1 = tree.records.at(3);
    QCOMPARE(k1.interval, 5);
    QCOMPARE(k1.qmlFile, QStringLiteral("qml/kociol.qml"));
    QCOMPARE(k1.readVariables.size(), 2);
    QCOMPARE(k1.events.size(), 2);
    QCOMPARE(tree.records.at(1).interval, 0); // no interval attribute
    QVERIFY(tree.records.at(1).readVariables.isEmpty()); // broken definition file
    QCOMPARE(tree.records.at(5).readVariables.at(1).type, QStringLiteral("custom"));
}

void TestMenuFile::singleGroupRoundTrip()
{
    TempWorkDir dir;
    QVERIFY(MenuFile::write(location(dir), {group(QStringLiteral("1"), QStringLiteral("Kotłownia"), QStringLiteral("0"))}).isEmpty());
    const QByteArray bytes = dir.read(QStringLiteral("menuList.xml"));
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE menuList>\n<Menu>\n <Group "));
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(tree.records.size(), 1);
    QCOMPARE(tree.records.first().text, QStringLiteral("Kotłownia"));
    QCOMPARE(tree.treeParents, QVector<int>({-1}));
}

void TestMenuFile::nestedExample()
{
    TempWorkDir dir;
    QList<MenuItemRecord> records = {group("1", "Parter", "0"), group("1.1", "Kuchnia", "1"), scheme("k1", "Kocioł", "1.1", 7)};
    records[2].readVariables = {{"K1", "t", "tq", "temp", QString()}};
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("k1.xml"))));
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(tree.records, records);
    QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 1}));
}

void TestMenuFile::groupParentComesFromItsId()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("menuList.xml"),
              "<Menu><Group id=\"1\" text=\"A\"><Group id=\"5\" text=\"B\"/></Group>"
              "<Group id=\"7.1\" text=\"Sierota\"><Item id=\"s\" text=\"S\"/></Group></Menu>");
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(ids(tree), QStringList({"1<0", "5<0", "7.1<7", "s<7.1"}));
    // No group 7: the orphan is shown at the top, its scheme under it.
    QCOMPARE(tree.treeParents, QVector<int>({-1, -1, -1, 2}));
}

void TestMenuFile::sameTextGroups()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("menuList.xml"),
              "<Menu><Group id=\"1\" text=\"Piętro\"/><Group id=\"2\" text=\"Piętro\"/>"
              "<Group id=\"1.1\" text=\"Pokój\"/></Menu>");
    const MenuTree tree = MenuFile::read(location(dir));
    // Found by its text, the subgroup hangs under the later of the two.
    QCOMPARE(ids(tree), QStringList({"1<0", "2<0", "1.1<1"}));
    QCOMPARE(tree.treeParents, QVector<int>({-1, -1, 1}));
}

void TestMenuFile::topLevelSchemesAreKept()
{
    TempWorkDir dir;
    const QList<MenuItemRecord> records = {scheme("top", "Na górze", "0", 3), group("1", "G", "0")};
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    QDomDocument doc;
    doc.setContent(dir.read(QStringLiteral("menuList.xml")));
    QCOMPARE(doc.documentElement().firstChildElement().tagName(), QStringLiteral("Item"));
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(ids(tree), QStringList({"1<0", "top<0"}));
    QCOMPARE(tree.records.at(1).interval, 3);
    QCOMPARE(tree.treeParents, QVector<int>({-1, -1}));
}

void TestMenuFile::writerPlacesLateParents()
{
    TempWorkDir dir;
    const QList<MenuItemRecord> records = {scheme("k1", "K", "1.1"), group("1.1", "Kuchnia", "1"), group("1", "Parter", "0")};
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    QDomDocument doc;
    doc.setContent(dir.read(QStringLiteral("menuList.xml")));
    const QDomElement parter = doc.documentElement().firstChildElement(QStringLiteral("Group"));
    const QDomElement kuchnia = parter.firstChildElement(QStringLiteral("Group"));
    QCOMPARE(kuchnia.attribute(QStringLiteral("id")), QStringLiteral("1.1"));
    QCOMPARE(kuchnia.firstChildElement(QStringLiteral("Item")).attribute(QStringLiteral("id")), QStringLiteral("k1"));
    QCOMPARE(ids(MenuFile::read(location(dir))), QStringList({"1<0", "1.1<1", "k1<1.1"}));
}

void TestMenuFile::orphansEndAtTheTop()
{
    TempWorkDir dir;
    const QList<MenuItemRecord> records = {group("1", "A", "0"), scheme("lost", "Zgubiony", "9"), group("9.2", "B", "9"),
                                           scheme("child", "C", "9.2")};
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(tree.records.size(), 4);
    QCOMPARE(ids(tree), QStringList({"1<0", "9.2<9", "child<9.2", "lost<0"}));
}

void TestMenuFile::unsafeSchemeIdStaysInside()
{
    TempWorkDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("project"));
    const QString loc = dir.filePath(QStringLiteral("project/"));
    const QStringList errors = MenuFile::write(loc, {group("1", "G", "0"), scheme("../x", "Ucieczka", "1")});
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().startsWith(QStringLiteral("../x.xml")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.xml"))));
    QCOMPARE(QDir(loc).entryList(QDir::Files), QStringList(QStringLiteral("menuList.xml")));

    // A hostile file is read without touching anything outside the folder.
    dir.write(QStringLiteral("x.xml"), "<VariablesMap><var device=\"evil\"/></VariablesMap>");
    const MenuTree tree = MenuFile::read(loc);
    QCOMPARE(tree.records.size(), 2);
    QVERIFY(tree.records.at(1).readVariables.isEmpty());
}

void TestMenuFile::badFiles()
{
    TempWorkDir dir;
    QVERIFY(MenuFile::read(location(dir)).records.isEmpty());
    dir.write(QStringLiteral("menuList.xml"), "<Menu><Group id=\"1\"");
    QVERIFY(MenuFile::read(location(dir)).records.isEmpty());
    QVERIFY(!MenuFile::write(dir.filePath(QStringLiteral("gone/")), {scheme("a", "A", "0")}).isEmpty());
}

QTEST_GUILESS_MAIN(TestMenuFile)
#include "tst_menufile.moc"
