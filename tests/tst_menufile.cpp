#include "menufile.h"
#include "projectfixtures.h"
#include "schemefile.h"
#include "tempworkdir.h"
#include "testpaths.h"

#include <QtTest>

using namespace Fixtures;

Q_DECLARE_METATYPE(QList<MenuItemRecord>)

namespace {

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
    void nestedExampleIsByteExact();
    void readerRules_data();
    void readerRules();
    void writerPlacement_data();
    void writerPlacement();
    void intervals_data();
    void intervals();
    void schemeIdsNeverReplaceOtherFiles();
    void hostileFiles();
};

void TestMenuFile::readsSampleProject()
{
    const QString folder = TestPaths::dataDir() + QStringLiteral("/projects/kotlownia/");
    QStringList unreadable;
    const MenuTree tree = MenuFile::read(folder, &unreadable);
    QCOMPARE(ids(tree.records), QStringList({"1<0", "p1<1", "1.1<1", "k1<1.1", "2<0", "w1<2"}));
    QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 0, 2, -1, 4}));
    const MenuItemRecord &k1 = tree.records.at(3);
    QCOMPARE(k1.interval, 5);
    QCOMPARE(k1.qmlFile, QStringLiteral("qml/kociol.qml"));
    QCOMPARE(k1.readVariables.size(), 2);
    QCOMPARE(k1.events.size(), 2);
    QCOMPARE(k1.events.at(0).items.at(0).listValues.at(1).name, QStringLiteral("Wyłącz"));
    QVERIFY(k1.events.at(0).items.at(1).listValues.isEmpty()); // not read under an "int" item
    QCOMPARE(tree.records.at(1).interval, 0); // no interval attribute
    QVERIFY(tree.records.at(1).readVariables.isEmpty()); // broken definition file
    QCOMPARE(unreadable, QStringList(folder + QStringLiteral("p1.xml")));
}

void TestMenuFile::nestedExampleIsByteExact()
{
    TempWorkDir dir;
    QList<MenuItemRecord> records = {group("1", "Parter", "0"), group("1.1", "Kuchnia", "1"), scheme("k1", "Kocioł", "1.1", 7)};
    records[2].readVariables = {{"K1", "t", "tq", "temp", QString()}};
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    QCOMPARE(dir.read(QStringLiteral("menuList.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE menuList>\n<Menu>\n"
                        " <Group id=\"1\" text=\"Parter\">\n  <Group id=\"1.1\" text=\"Kuchnia\">\n"
                        "   <Item id=\"k1\" text=\"Kocioł\" qmlFile=\"qml/k1.qml\" interval=\"7\"/>\n"
                        "  </Group>\n </Group>\n</Menu>\n"));
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(tree.records, records);
    QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 1}));
}

void TestMenuFile::readerRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QVector<int>>("treeParents");
    // A group's parent comes from its ID; without group 7 the orphan stays at the top.
    QTest::newRow("parent from the id")
        << QByteArray("<Menu><Group id=\"1\" text=\"A\"><Group id=\"5\" text=\"B\"/></Group>"
                      "<Group id=\"7.1\" text=\"S\"><Item id=\"s\" text=\"S\"/></Group></Menu>")
        << QStringList({"1<0", "5<0", "7.1<7", "s<7.1"}) << QVector<int>({-1, -1, -1, 2});
    // Found by its text, the subgroup hangs under the later of the two.
    QTest::newRow("same text")
        << QByteArray("<Menu><Group id=\"1\" text=\"Piętro\"/><Group id=\"2\" text=\"Piętro\"/>"
                      "<Group id=\"1.1\" text=\"Pokój\"/></Menu>")
        << QStringList({"1<0", "2<0", "1.1<1"}) << QVector<int>({-1, -1, 1});
    // A group's own schemes come right after it, before its subgroups.
    QTest::newRow("schemes after nested groups")
        << QByteArray("<Menu><Item id=\"t\" text=\"T\"/><Group id=\"1\" text=\"A\"><Group id=\"1.1\" text=\"B\"/>"
                      "<Item id=\"k\" text=\"K\"/><X><Item id=\"no\" text=\"N\"/></X></Group></Menu>")
        << QStringList({"1<0", "k<1", "1.1<1", "t<0"}) << QVector<int>({-1, 0, 0, -1});
}

void TestMenuFile::readerRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, records);
    QFETCH(QVector<int>, treeParents);
    TempWorkDir dir;
    dir.write(QStringLiteral("menuList.xml"), content);
    const MenuTree tree = MenuFile::read(location(dir));
    QCOMPARE(ids(tree.records), records);
    QCOMPARE(tree.treeParents, treeParents);
}

void TestMenuFile::writerPlacement_data()
{
    QTest::addColumn<QList<MenuItemRecord>>("records");
    QTest::addColumn<QStringList>("readBack");
    QTest::newRow("late parents") << QList<MenuItemRecord>{scheme("k1", "K", "1.1"), group("1.1", "Kuchnia", "1"),
                                                           group("1", "Parter", "0")}
                                  << QStringList({"1<0", "1.1<1", "k1<1.1"});
    QTest::newRow("orphans at the top")
        << QList<MenuItemRecord>{group("1", "A", "0"), scheme("lost", "Z", "9"), group("9.2", "B", "9"), scheme("child", "C", "9.2")}
        << QStringList({"1<0", "9.2<9", "child<9.2", "lost<0"});
    QTest::newRow("top-level scheme") << QList<MenuItemRecord>{scheme("top", "T", "0", 3), group("1", "G", "0")}
                                      << QStringList({"1<0", "top<0"});
    QList<MenuItemRecord> chain;
    QString id = QStringLiteral("1");
    for (int level = 0; level < 400; ++level, id += QStringLiteral(".1"))
        chain.prepend(group(id, QStringLiteral("G") + QString::number(level), id.left(id.size() - 2)));
    chain.last().parent = QStringLiteral("0");
    QStringList expected;
    for (auto r = chain.crbegin(); r != chain.crend(); ++r)
        expected << r->id + QLatin1Char('<') + r->parent;
    QTest::newRow("400 levels listed child first") << chain << expected;
}

void TestMenuFile::writerPlacement()
{
    QFETCH(QList<MenuItemRecord>, records);
    QFETCH(QStringList, readBack);
    TempWorkDir dir;
    QVERIFY(MenuFile::write(location(dir), records).isEmpty());
    QCOMPARE(ids(MenuFile::read(location(dir)).records), readBack);
}

void TestMenuFile::intervals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");
    QTest::newRow("plain") << "10" << 10;
    QTest::newRow("zero: back-to-back passes") << "0" << 0;
    QTest::newRow("not a number") << "5s" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("milliseconds overflow") << "2147484" << 2147483;
    QTest::newRow("beyond 64 bits") << "99999999999999999999" << 2147483;
    QTest::newRow("far negative") << "-99999999999999999999" << 0;
}

void TestMenuFile::intervals()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(MenuFile::intervalFromText(text), seconds);
}

void TestMenuFile::schemeIdsNeverReplaceOtherFiles()
{
    TempWorkDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("p"));
    const QString loc = dir.filePath(QStringLiteral("p/"));
    dir.write(QStringLiteral("p/project.xml"), "<Project/>");
    const QStringList errors =
        MenuFile::write(loc, {group("1", "G", "0"), scheme("../x", "Ucieczka", "1"), scheme("Project", "P", "1")});
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors.first().startsWith(QStringLiteral("../x.xml: ")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.xml"))));
    QCOMPARE(dir.read(QStringLiteral("p/project.xml")), QByteArray("<Project/>"));
    // A hostile file is read without touching anything outside the folder.
    dir.write(QStringLiteral("x.xml"), "<VariablesMap><var device=\"evil\"/></VariablesMap>");
    const MenuTree tree = MenuFile::read(loc);
    QCOMPARE(tree.records.size(), 3);
    QVERIFY(tree.records.at(1).readVariables.isEmpty());
}

void TestMenuFile::hostileFiles()
{
    TempWorkDir dir;
    QStringList unreadable;
    QVERIFY(MenuFile::read(location(dir), &unreadable).records.isEmpty());
    QVERIFY(unreadable.isEmpty()); // a missing file is no fault
    for (const QByteArray &content : {QByteArray("<Menu><Group id=\"1\""), deepDocument(QStringLiteral("Menu"))}) {
        dir.write(QStringLiteral("menuList.xml"), content);
        QVERIFY(MenuFile::read(location(dir), &unreadable).records.isEmpty());
    }
    const QString menu = location(dir) + QStringLiteral("menuList.xml");
    QCOMPARE(unreadable, QStringList({menu, menu}));
    QVERIFY(!MenuFile::write(dir.filePath(QStringLiteral("gone/")), {scheme("a", "A", "0")}).isEmpty());
}

QTEST_GUILESS_MAIN(TestMenuFile)
#include "tst_menufile.moc"
