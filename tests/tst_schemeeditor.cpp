#include "dialogs.h"
#include "modaldriver.h"
#include "project.h"
#include "qteskcmd.h"
#include "schemesmanagement.h"
#include "schemevariables.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "variableaddedit.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray kScheme = "import QtQuick 1.1\nRectangle {\n property real tKotla: 0\n property bool pompa\n"
                           " property real tKotla: 1\n signal itemClicked(string name)\n}\n";

MenuItemRecord scheme()
{
    MenuItemRecord r;
    r.kind = QStringLiteral("Item");
    r.id = QStringLiteral("kociol");
    r.text = QStringLiteral("Kocioł");
    r.qmlFile = QStringLiteral("qml/kociol.qml");
    r.interval = 20;
    return r;
}

} // namespace

class TestSchemeEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void variableDialogAsksTheController();
    void silentControllerIsTold();
    void tabsAndReadVariables();
    void menuEditorOpensTheSchemeAndTheProjectKeepsIt();

private:
    SimServer *m_sim = nullptr;
    SimServer *m_silent = nullptr;
    TempWorkDir *m_dir = nullptr;
    QString m_folder;
    DeviceList m_devices;
};

void TestSchemeEditor::initTestCase()
{
    m_sim = SimControllers::start(this, TestNet::host(1), R"(
        <Variable name="kot.t1" type="phy_temperature" min="0" max="900" value="215"/>
        <Variable name="kot.pompa" type="on_off" modify="1" value="1"/>)", VariableCatalogRequest::kPort);
    m_silent = SimControllers::start(this, TestNet::host(2), QByteArray(), VariableCatalogRequest::kPort);
    m_silent->setFault(SimFault::Silent);
    m_devices = {{QStringLiteral("Kocioł 1"), TestNet::host(1), QString(), QStringLiteral("kotłownia")},
                 {QStringLiteral("Cichy"), TestNet::host(2), QString(), QStringLiteral("nie odpowiada")}};
}

void TestSchemeEditor::init()
{
    m_dir = new TempWorkDir;
    m_folder = m_dir->path() + QLatin1Char('/');
    QDir(m_dir->path()).mkpath(QStringLiteral("qml"));
    m_dir->write(QStringLiteral("qml/kociol.qml"), kScheme);
}

void TestSchemeEditor::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
    delete m_dir;
}

void TestSchemeEditor::variableDialogAsksTheController()
{
    variableAddEdit d;
    d.setProjectFolder(m_folder);
    d.setDevices(m_devices);
    d.setScheme(scheme());
    d.reset();
    QCOMPARE(comboItems(child<QComboBox>(&d, "deviceCombo")), QStringList({"Kocioł 1 / kotłownia", "Cichy / nie odpowiada"}));
    QCOMPARE(comboItems(child<QComboBox>(&d, "qmlVarCombo")), QStringList({"tKotla", "pompa"})); // each once
    const int before = m_sim->requestCount();
    child<QComboBox>(&d, "deviceCombo")->setCurrentIndex(0);
    QTRY_COMPARE(comboItems(child<QComboBox>(&d, "devVarCombo")), QStringList({"kot.t1", "kot.pompa"}));
    QCOMPARE(m_sim->commands().mid(before), QStringList(QStringLiteral("describe_all;")));
    child<QComboBox>(&d, "devVarCombo")->setCurrentIndex(1);
    child<QComboBox>(&d, "qmlVarCombo")->setCurrentIndex(1);
    child<QComboBox>(&d, "comboBox")->setCurrentIndex(2);
    const TeskSchemeVariable v = d.variable();
    QCOMPARE(v.device, QStringLiteral("Kocioł 1")); // the whole ID, space and all
    QCOMPARE(v.devVar, QStringLiteral("kot.pompa"));
    QCOMPARE(v.qmlVar, QStringLiteral("pompa"));
    QCOMPARE(v.type, QStringLiteral("logic"));
    // A description that lists a variable twice, apart, offers it once.
    QMetaObject::invokeMethod(d.findChild<VariableCatalogRequest *>(), "replied",
                              Q_ARG(QString, QStringLiteral("d(a.x.type=int;b.y.type=int;a.x.max=3;);")));
    QCOMPARE(comboItems(child<QComboBox>(&d, "devVarCombo")), QStringList({"a.x", "b.y"}));
}

void TestSchemeEditor::silentControllerIsTold()
{
    variableAddEdit d;
    d.link()->setTimeoutMs(300);
    d.setProjectFolder(m_folder);
    d.setDevices(m_devices);
    d.setScheme(scheme());
    d.reset();
    child<QComboBox>(&d, "deviceCombo")->setCurrentIndex(1);
    QCOMPARE(d.cursor().shape(), Qt::WaitCursor);
    QTRY_COMPARE(child<QLabel>(&d, "statusLabel")->text(), QStringLiteral("Sterownik ") + TestNet::host(2) + QStringLiteral(" nie odpowiada"));
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
    child<QComboBox>(&d, "devVarCombo")->setEditText(QStringLiteral("wpisana"));
    QCOMPARE(d.variable().devVar, QStringLiteral("wpisana"));
}

void TestSchemeEditor::tabsAndReadVariables()
{
    schemeVariables d;
    d.setReadVariables({{QStringLiteral("Kocioł 1"), QStringLiteral("kot.t1"), QStringLiteral("tKotla"), QStringLiteral("temp"), QString()}});
    d.setEvents({EventRecord{QStringLiteral("pompa"), {}}, EventRecord{QStringLiteral("zawor"), {}}});
    d.setDevices(m_devices);
    d.setProjectFolder(m_folder);
    d.setRecord(scheme());
    QVERIFY(!child<QPushButton>(&d, "addBtn")->isEnabled());
    child<QTabWidget>(&d, "tabWidget")->setCurrentIndex(1);
    QVERIFY(child<QPushButton>(&d, "addBtn")->isEnabled());

    ModalDriver add([](QWidget *modal) {
        child<QComboBox>(modal, "deviceCombo")->setCurrentIndex(0);
        child<QComboBox>(modal, "devVarCombo")->setEditText(QStringLiteral("kot.pompa"));
        child<QComboBox>(modal, "qmlVarCombo")->setCurrentIndex(1);
        child<QComboBox>(modal, "comboBox")->setCurrentIndex(2);
        QTest::mouseClick(child<QPushButton>(modal, "saveBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&d, "addBtn"), Qt::LeftButton);
    QVERIFY(add.ran());
    QCOMPARE(d.readVariables().size(), 2);
    QCOMPARE(d.readVariables().last().qmlVar, QStringLiteral("pompa"));

    auto *getTree = child<QTreeWidget>(&d, "getTree");
    ModalDriver edit([](QWidget *modal) {
        QCOMPARE(child<QComboBox>(modal, "qmlVarCombo")->currentText(), QStringLiteral("tKotla"));
        child<QComboBox>(modal, "comboBox")->setCurrentIndex(0);
        QTest::mouseClick(child<QPushButton>(modal, "saveBtn"), Qt::LeftButton);
    });
    emit getTree->itemDoubleClicked(getTree->topLevelItem(0), 1);
    QVERIFY(edit.ran());
    QCOMPARE(d.readVariables().first().type, QStringLiteral("int"));

    getTree->setCurrentItem(getTree->topLevelItem(1));
    emit getTree->itemClicked(getTree->topLevelItem(1), 1);
    QTest::mouseClick(child<QPushButton>(&d, "deleteBtn"), Qt::LeftButton); // no question asked
    QCOMPARE(d.readVariables().size(), 1);
    QVERIFY(Dialogs::shown().isEmpty());

    child<QTabWidget>(&d, "tabWidget")->setCurrentIndex(2);
    auto *setTree = child<QTreeWidget>(&d, "setTree");
    setTree->setCurrentItem(setTree->topLevelItem(0));
    emit setTree->itemClicked(setTree->topLevelItem(0), 0);
    QTest::mouseClick(child<QPushButton>(&d, "deleteBtn"), Qt::LeftButton);
    QCOMPARE(d.events().size(), 1);
    QCOMPARE(d.events().first().name, QStringLiteral("zawor"));

    child<QTabWidget>(&d, "tabWidget")->setCurrentIndex(0);
    Dialogs::presetPath(m_folder + QStringLiteral("qml/inny.qml"));
    QTest::mouseClick(child<QToolButton>(&d, "qmlPathButton"), Qt::LeftButton);
    child<QLineEdit>(&d, "schemeName")->setText(QStringLiteral("Kocioł główny"));
    QCOMPARE(d.record().qmlFile, QStringLiteral("qml/inny.qml"));
    QCOMPARE(d.record().text, QStringLiteral("Kocioł główny"));
    QCOMPARE(d.record().interval, 20);
}

void TestSchemeEditor::menuEditorOpensTheSchemeAndTheProjectKeepsIt()
{
    MenuItemRecord group;
    group.kind = QStringLiteral("Group");
    group.id = QStringLiteral("1");
    group.text = QStringLiteral("Kotłownia");
    MenuItemRecord item = scheme();
    item.parent = QStringLiteral("1");
    schemesManagement menu;
    menu.setMenuRecords({group, item});
    menu.setDevices(m_devices);
    menu.setProjectFolder(m_folder);
    ModalDriver driver([](QWidget *modal) {
        auto *editor = qobject_cast<schemeVariables *>(modal);
        QVERIFY(editor);
        editor->setReadVariables({{QStringLiteral("Kocioł 1"), QStringLiteral("kot.t1"), QStringLiteral("tKotla"), QStringLiteral("temp"), QString()}});
        // The editor's own button, not the one of its variable dialog.
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("saveBtn"), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
    });
    auto *tree = menu.findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    emit tree->itemDoubleClicked(tree->topLevelItem(0)->child(0), 0);
    QVERIFY(driver.ran());
    QTest::mouseClick(child<QPushButton>(&menu, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(menu.result(), int(QDialog::Accepted));

    Project project;
    project.location = m_folder;
    project.devices = m_devices;
    project.menu = menu.menuRecords();
    QVERIFY(project.save(QStringLiteral("v 0.8.12")).isEmpty());
    Project reopened;
    reopened.load(m_folder);
    QCOMPARE(reopened.menu, project.menu);
    QCOMPARE(reopened.menu.at(1).readVariables.first().device, QStringLiteral("Kocioł 1"));
}

QTEST_MAIN(TestSchemeEditor)
#include "tst_schemeeditor.moc"
