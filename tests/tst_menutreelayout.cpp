#include "menutreelayout.h"
#include "projectfixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<MenuItemRecord>)

namespace {

MenuItemRecord rec(const char *kind, const char *id, const char *parent)
{
    return QLatin1String(kind) == QLatin1String("Group") ? Fixtures::group(id, id, parent) : Fixtures::scheme(id, id, parent);
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
    // A child found before its group's row waits one pass, so the later one
    // comes first.
    QTest::newRow("passes order siblings")
        << QList<MenuItemRecord>{rec("Item", "a", "1.1"), rec("Group", "1.1", "1"), rec("Item", "b", "1.1"),
                                 rec("Group", "1", "0")}
        << QStringList({"1<top", "1.1<1", "b<1.1", "a<1.1"});
    QTest::newRow("own parent") << QList<MenuItemRecord>{rec("Group", "x", "x"), rec("Item", "k", "x")}
                                << QStringList({"x<top", "k<x"});
    QList<MenuItemRecord> chain;
    QStringList rows;
    for (int level = 0; level < 400; ++level) {
        const QString id = QStringLiteral("g%1").arg(level);
        const QString parent = QStringLiteral("g%1").arg(level - 1);
        chain.prepend(Fixtures::group(id, id, level == 0 ? QStringLiteral("0") : parent));
        rows << id + QLatin1Char('<') + (level == 0 ? QStringLiteral("top") : parent);
    }
    QTest::newRow("400 levels listed child first") << chain << rows;
}

void TestMenuTreeLayout::rebuild()
{
    QFETCH(QList<MenuItemRecord>, records);
    QFETCH(QStringList, rows);
    QCOMPARE(shape(MenuTreeLayout::rebuild(records)), rows);
}

QTEST_GUILESS_MAIN(TestMenuTreeLayout)
#include "tst_menutreelayout.moc"
