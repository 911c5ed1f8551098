#include "qmltext.h"

#include <QtTest>

class TestQmlText : public QObject
{
    Q_OBJECT

private slots:
    void itemClickedNames();
    void propertyNames();
};

void TestQmlText::itemClickedNames()
{
    const QString text = QStringLiteral(
        "Rectangle {\n"
        "    signal itemClicked(string name)\n"
        "    MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
        "    MouseArea { onClicked: { itemClicked( \" pompa2 \" ) } }\n"
        "    MouseArea { onClicked: itemClicked('zawor') }\n"
        "    MouseArea { onClicked: itemClicked(name) }\n"
        "    Text { text: \"itemClicked\" }\n"
        "    MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
        "}\n");
    // The quoted text after the colon: Text's own string is taken as a name
    // too, as the rule says; a call without a quoted name gives none.
    QCOMPARE(QmlText::itemClickedNames(text),
             QStringList({"pompa1", "pompa2", "zawor", "itemClicked", "pompa1"}));
}

void TestQmlText::propertyNames()
{
    const QString text = QStringLiteral(
        "Item {\n"
        "  property int level: 0\n"
        "  property   real  t1:21.5\n"
        "  property bool pumpOn\n"
        "  property color accent : \"red\"\n"
        "  // property int commented: 1\n"
        "  propertyChanges: 1\n"
        "  property variant\n"
        "}\n");
    QCOMPARE(QmlText::propertyNames(text), QStringList({"level", "t1", "pumpOn", "accent"}));
}

QTEST_GUILESS_MAIN(TestQmlText)
#include "tst_qmltext.moc"
