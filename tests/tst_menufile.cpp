#include "menufile.h"
#include "menutreelayout.h"
#include "projectfixtures.h"
#include "qmltext.h"
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

// Groups 1, 1.1, 1.1.1 ... 400 levels deep, listed child first.
QList<MenuItemRecord> deepChain()
{
    QList<MenuItemRecord> chain;
    QString id = QStringLiteral("1");
    for (int level = 0; level < 400; ++level, id += QStringLiteral(".1"))
        chain.prepend(group(id, id, level == 0 ? QStringLiteral("0") : id.left(id.size() - 2)));
    return chain;
}

QStringList parentFirst(const QList<MenuItemRecord> &chain)
{
    return ids(QList<MenuItemRecord>(chain.crbegin(), chain.crend()));
}

// "id<id of the parent row" per row in creation order, 0 at the top.
QStringList shape(const MenuTree &tree)
{
    QStringList out;
    for (int i = 0; i < tree.records.size(); ++i) {
        const int p = tree.treeParents.at(i);
        out << tree.records.at(i).id + QLatin1Char('<') + (p < 0 ? QStringLiteral("0") : tree.records.at(p).id);
    }
    return out;
}

} // namespace

class TestMenuFile : public QObject
{
    Q_OBJECT

private slots:
    void readsSampleProject()
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

    void nestedExampleIsByteExact()
    {
        TempWorkDir dir;
        QList<MenuItemRecord> records = {group("1", "Parter", "0"), group("1.1", "Kuchnia", "1"), scheme("k1", "Kocioł", "1.1", 7)};
        records[2].readVariables = {{"K1", "t", "tq", "temp", QString()}};
        QVERIFY(MenuFile::write(location(dir), records).isEmpty());
        QCOMPARE(dir.read(MenuFile::fileName()),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE menuList>\n<Menu>\n"
                            " <Group id=\"1\" text=\"Parter\">\n  <Group id=\"1.1\" text=\"Kuchnia\">\n"
                            "   <Item id=\"k1\" text=\"Kocioł\" qmlFile=\"qml/k1.qml\" interval=\"7\"/>\n"
                            "  </Group>\n </Group>\n</Menu>\n"));
        const MenuTree tree = MenuFile::read(location(dir));
        QCOMPARE(tree.records, records);
        QCOMPARE(tree.treeParents, QVector<int>({-1, 0, 1}));
    }

    void readerRules_data()
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
        QTest::newRow("same text") << QByteArray("<Menu><Group id=\"1\" text=\"Piętro\"/><Group id=\"2\" text=\"Piętro\"/>"
                                                 "<Group id=\"1.1\" text=\"Pokój\"/></Menu>")
                                   << QStringList({"1<0", "2<0", "1.1<1"}) << QVector<int>({-1, -1, 1});
        // A group's own schemes come right after it, before its subgroups.
        QTest::newRow("schemes after nested groups")
            << QByteArray("<Menu><Item id=\"t\" text=\"T\"/><Group id=\"1\" text=\"A\"><Group id=\"1.1\" text=\"B\"/>"
                          "<Item id=\"k\" text=\"K\"/><X><Item id=\"no\" text=\"N\"/></X></Group></Menu>")
            << QStringList({"1<0", "k<1", "1.1<1", "t<0"}) << QVector<int>({-1, 0, 0, -1});
    }

    void readerRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, records);
        QFETCH(QVector<int>, treeParents);
        TempWorkDir dir;
        dir.write(MenuFile::fileName(), content);
        const MenuTree tree = MenuFile::read(location(dir));
        QCOMPARE(ids(tree.records), records);
        QCOMPARE(tree.treeParents, treeParents);
    }

    void writerPlacement_data()
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
        QTest::newRow("400 levels listed child first") << deepChain() << parentFirst(deepChain());
    }

    void writerPlacement()
    {
        QFETCH(QList<MenuItemRecord>, records);
        QFETCH(QStringList, readBack);
        TempWorkDir dir;
        QVERIFY(MenuFile::write(location(dir), records).isEmpty());
        QCOMPARE(ids(MenuFile::read(location(dir)).records), readBack);
    }

    void treeLayout_data()
    {
        QTest::addColumn<QList<MenuItemRecord>>("records");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("two groups share an id") << QList<MenuItemRecord>{group("1", "A", "0"), group("1", "B", "0"), scheme("k", "K", "1")}
                                                << QStringList({"1<0", "1<0", "k<1", "k<1"});
        QTest::newRow("parent never comes")
            << QList<MenuItemRecord>{group("7.1", "G", "7"), scheme("s", "S", "7.1"), scheme("t", "T", "8")}
            << QStringList({"7.1<0", "s<7.1", "t<0"});
        // A child found before its group's row waits one pass, so the later one comes first.
        QTest::newRow("passes order siblings")
            << QList<MenuItemRecord>{scheme("a", "A", "1.1"), group("1.1", "G", "1"), scheme("b", "B", "1.1"), group("1", "P", "0")}
            << QStringList({"1<0", "1.1<1", "b<1.1", "a<1.1"});
        QTest::newRow("own parent") << QList<MenuItemRecord>{group("x", "X", "x"), scheme("k", "K", "x")}
                                    << QStringList({"x<0", "k<x"});
        QTest::newRow("400 levels listed child first") << deepChain() << parentFirst(deepChain());
    }

    void treeLayout()
    {
        QFETCH(QList<MenuItemRecord>, records);
        QFETCH(QStringList, rows);
        QCOMPARE(shape(MenuTreeLayout::rebuild(records)), rows);
    }

    void intervals()
    {
        // Not a number or negative reads as 0 (back-to-back passes); beyond what
        // the timer's milliseconds hold, as the longest period it can take.
        const QList<QPair<QString, int>> cases = {{"10", 10}, {"0", 0}, {"5s", 0}, {"-3", 0}, {"2147484", 2147483},
                                                  {"99999999999999999999", 2147483}, {"-99999999999999999999", 0}};
        for (const auto &c : cases)
            QCOMPARE(MenuFile::intervalFromText(c.first), c.second);
    }

    void schemeIdsNeverReplaceOtherFiles()
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

    void namesOfferedFromTheSceneText()
    {
        // The quoted text after the colon: Text's own string is taken as a name
        // too; a call without a quoted name gives none.
        QCOMPARE(QmlText::itemClickedNames(QStringLiteral(
                     "Rectangle {\n    signal itemClicked(string name)\n"
                     "    MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
                     "    MouseArea { onClicked: { itemClicked( \" pompa2 \" ) } }\n"
                     "    MouseArea { onClicked: itemClicked('zawor') }\n    MouseArea { onClicked: itemClicked(name) }\n"
                     "    Text { text: \"itemClicked\" }\n    MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n}\n")),
                 QStringList({"pompa1", "pompa2", "zawor", "itemClicked", "pompa1"}));
        QCOMPARE(QmlText::propertyNames(QStringLiteral(
                     "Item {\n  property int level: 0\n  property   real  t1:21.5\n  property bool pumpOn\n"
                     "  property color accent : \"red\"\n  // property int commented: 1\n  propertyChanges: 1\n"
                     "  property variant\n}\n")),
                 QStringList({"level", "t1", "pumpOn", "accent"}));
    }
};

QTEST_GUILESS_MAIN(TestMenuFile)
#include "tst_menufile.moc"
