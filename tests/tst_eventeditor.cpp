#include "dialogs.h"
#include "editordriving.h"
#include "eventaddedit.h"
#include "eventitemaddedit.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace EditorDriving;

namespace {

using Item = EventItemRecord; // type, variable, controller, description

QComboBox *combo(QWidget *d, const char *name) { return child<QComboBox>(d, name); }

} // namespace

Q_DECLARE_METATYPE(EventItemRecord)

class TestEventEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }
    void namesAndVariablesOfOthersAreNotOffered();
    void schemeItemsComeLast();
    void choicesKeepTheirValuesApart();
    void editingKeepsTheStoredTarget_data();
    void editingKeepsTheStoredTarget();

private:
    TempWorkDir m_dir;
    QString m_folder;
    DeviceList m_devices;
};

void TestEventEditor::initTestCase()
{
    const QByteArray variables = R"(<Variable name="t1" type="int"/><Variable name="t2" type="int"/><Variable name="t3" type="int"/>)";
    SimControllers::start(this, TestNet::host(5), variables, VariableCatalogRequest::kPort);
    SimControllers::start(this, TestNet::host(6), variables, VariableCatalogRequest::kPort);
    SimControllers::start(this, TestNet::host(7), QByteArray(), VariableCatalogRequest::kPort)->setFault(SimFault::Silent);
    m_devices = {{QStringLiteral("Kocioł 1"), TestNet::host(5), QString(), QStringLiteral("A")},
                 {QStringLiteral("K2"), TestNet::host(6), QString(), QStringLiteral("B")},
                 {QStringLiteral("K3"), TestNet::host(7), QString(), QStringLiteral("cichy")}};
    m_folder = m_dir.path() + QLatin1Char('/');
    m_dir.write(QStringLiteral("scene.qml"), "Rectangle {\n signal itemClicked(string name)\n"
                                             " MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
                                             " MouseArea { onClicked: root.itemClicked(\"pompa2\") }\n"
                                             " MouseArea { onClicked: root.itemClicked(\"pompa2\") }\n}\n");
    for (const char *f : {"deviceList.xml", "menuList.xml", "project.xml", "k1.xml", "K2.xml"})
        m_dir.write(QString::fromLatin1(f), "<x/>");
    QDir(m_dir.path()).mkdir(QStringLiteral("qml.d"));
}

// pompa1 belongs to another event; t2 of "Kocioł 1" to another item (a
// controller ID with a space is found all the same); K2 offers all three.
void TestEventEditor::namesAndVariablesOfOthersAreNotOffered()
{
    EventAddEdit event;
    event.setUsedEventNames({QStringLiteral("pompa1")});
    MenuItemRecord scheme;
    scheme.qmlFile = QStringLiteral("scene.qml");
    event.setScheme(scheme);
    QCOMPARE(comboItems(combo(&event, "comboBox")), QStringList(QStringLiteral("pompa2")));
    QCOMPARE(event.event().name, QStringLiteral("pompa2"));

    EventItemAddEdit d;
    d.setDevices(m_devices);
    d.setOtherItems({Item{"int", "t2", "Kocioł 1", "x"}});
    d.setProjectFolder(m_folder);
    QCOMPARE(comboItems(combo(&d, "comboBox_4")), QStringList({"k1", "K2", "scene"}));
    combo(&d, "comboBox_2")->setCurrentIndex(0);
    QTRY_COMPARE(comboItems(combo(&d, "comboBox_6")), QStringList({"t1", "t3"}));
    QCOMPARE(combo(&d, "comboBox_5")->currentIndex(), 0);
    combo(&d, "comboBox_2")->setCurrentIndex(1);
    QTRY_COMPARE(comboItems(combo(&d, "comboBox_3")), QStringList({"t1", "t2", "t3"}));
    combo(&d, "comboBox_3")->setCurrentIndex(1);
    type(&d, "lineEdit", QStringLiteral("Nastawa"));
    combo(&d, "typeCombo")->setCurrentIndex(3);
    press(&d, "okButton");
    QCOMPARE(d.item(), (Item{"temp", "t2", "K2", "Nastawa"}));
}

// A scheme change disables Add, deleting it enables Add again; an item
// edit closed with Close leaves the items as they were.
void TestEventEditor::schemeItemsComeLast()
{
    EventAddEdit d;
    d.setDevices(m_devices);
    d.setProjectFolder(m_folder);
    const EventRecord event{QStringLiteral("pompa2"), {Item{"logic", "t1", "K2", "Pompa"}}};
    d.setEvent(event);
    d.show();
    auto *tree = child<QTreeWidget>(&d, "treeWidget");
    QVERIFY(openRow(tree, tree->topLevelItem(0), [](QWidget *modal) {
        QVERIFY(!combo(modal, "typeCombo")->isEnabled());
        type(modal, "lineEdit", QStringLiteral("zmienione"));
        press(modal, "closeButton");
    }));
    QCOMPARE(d.event(), event);
    QVERIFY(onModal([&] { press(&d, "addButton"); }, [](QWidget *modal) {
        combo(modal, "typeCombo")->setCurrentIndex(7);
        press(modal, "okButton");
    }));
    QCOMPARE(d.event().items.last(), (Item{"scheme", "k1", "-", "-"}));
    QVERIFY(!button(&d, "addButton")->isEnabled());
    clickRow(tree, tree->topLevelItem(1));
    press(&d, "delButton");
    QCOMPARE(d.event(), event);
    QVERIFY(button(&d, "addButton")->isEnabled());
}

void TestEventEditor::choicesKeepTheirValuesApart()
{
    EventItemAddEdit d;
    combo(&d, "typeCombo")->setCurrentIndex(5);
    const auto addChoice = [&d](const QString &value, const QString &name) {
        onModal([&] { press(&d, "addButton"); }, [&](QWidget *modal) {
            type(modal, "lineEdit", value);
            type(modal, "lineEdit_2", name);
            press(modal, "pushButton");
            if (modal->isVisible())
                press(modal, "pushButton_2");
        });
    };
    addChoice(QStringLiteral("1"), QStringLiteral("Włącz"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    addChoice(QStringLiteral("1"), QStringLiteral("Znowu"));
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Podana wartość została już przypisana, proszę wprowadzić inną wartość."));
    addChoice(QStringLiteral("0"), QStringLiteral("Wyłącz"));
    press(&d, "okButton");
    QCOMPARE(d.item().type, QStringLiteral("combo"));
    QCOMPARE(d.item().listValues, (QList<ListValueRecord>{{"1", "Włącz"}, {"0", "Wyłącz"}}));
}

void TestEventEditor::editingKeepsTheStoredTarget_data()
{
    QTest::addColumn<EventItemRecord>("stored");
    QTest::newRow("controller silent") << Item{"int", "t9", "K3", "Nastawa"};
    QTest::newRow("variable not listed") << Item{"int", "t9", "K2", "Nastawa"};
    QTest::newRow("controller not in the project") << Item{"logic", "t1", "Usunięty", "Pompa"};
    QTest::newRow("choices, controller silent") << Item{"list", "t9", "K3", "Tryb"};
    QTest::newRow("scheme without its file yet") << Item{"scheme", "nowy", "-", "-"};
}

// Only the description changes, after the controller answered or fell
// silent; the variable and the controller stay.
void TestEventEditor::editingKeepsTheStoredTarget()
{
    QFETCH(EventItemRecord, stored);
    EventItemAddEdit d;
    d.link()->setTimeoutMs(300);
    d.setDevices(m_devices);
    d.setProjectFolder(m_folder);
    d.setItem(stored);
    QTRY_COMPARE(d.cursor().shape(), Qt::ArrowCursor);
    if (stored.device == QStringLiteral("K3"))
        QCOMPARE(child<QLabel>(&d, "statusLabel")->text(), QStringLiteral("Sterownik nie odpowiada"));
    EventItemRecord expected = stored;
    if (stored.type != QStringLiteral("scheme")) {
        expected.name = QStringLiteral("Opis nowy");
        type(&d, stored.type == QStringLiteral("list") ? "lineEdit_2" : "lineEdit", expected.name);
    }
    press(&d, "okButton");
    QCOMPARE(d.item(), expected);
}

QTEST_MAIN(TestEventEditor)
#include "tst_eventeditor.moc"
