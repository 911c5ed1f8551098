#include "menutreelayout.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<MenuItemRecord>)

namespace {

MenuItemRecord rec(const QString &kind, const QString &id, const QString &parent)
{
    MenuItemRecord r;
    r.kind = kind;
    r.id = id;
    r.text = id;
    r.parent = parent;
    return r;
}

// "id<parent row's id" per row, in creation order.
QStringList shape(const MenuTree &tree)
{
    QStringList out;
    for (int i = 0; i < tree.records.size(); ++i) {
        const int p = tree.treeParents.at(i);
        out << tree.records.at(i).id + QLatin1Char('<') + (p < 0 ? QStringLiteral("top") : tree.records.at(p).id);
    }
    return out;
}

} // namespace

class TestMenuTreeLayout : public QObject
{
    Q_OBJECT

private slots:
    void rebuild_data();
    void rebuild();
};

void TestMenuTreeLayout::rebuild_data()
{
    QTest::addColumn<QList<MenuItemRecord>>("records");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("parent after child")
        << QList<MenuItemRecord>{rec("Item", "k", "1.1"), rec("Group", "1.1", "1"), rec("Group", "1", "0")}
        << QStringList({"1<top", "1.1<1", "k<1.1"});
    QTest::newRow("two groups share an id")
        << QList<MenuItemRecord>{rec("Group", "1", "0"), rec("Group", "1", "0"), rec("Item", "k", "1")}
        << QStringList({"1<top", "1<top", "k<1", "k<1"});
    QTest::newRow("parent never comes")
        << QList<MenuItemRecord>{rec("Group", "7.1", "7"), rec("Item", "s", "7.1"), rec("Item", "t", "8")}
        << QStringList({"7.1<top", "s<7.1", "t<top"});
}

void TestMenuTreeLayout::rebuild()
{
    QFETCH(QList<MenuItemRecord>, records);
    QFETCH(QStringList, rows);
    QCOMPARE(shape(MenuTreeLayout::rebuild(records)), rows);
}


QTEST_GUILESS_MAIN(TestMenuTreeLayout)
#include "tst_menutreelayout.moc"
