#include "devicemanagement.h"
#include "dialogs.h"
#include "editordriving.h"
#include "eventaddedit.h"
#include "project.h"
#include "qteskcmd.h"
#include "schemesmanagement.h"
#include "schemevariables.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"
#include "variableaddedit.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace EditorDriving;

namespace {

// How a walk leaves each dialog: untouched with OK; after a change with
// Cancel; or (Below) untouched with OK while the dialogs it opens cancel.
enum Mode { Keep, Below, Cancel };

// Opens every row in turn, at any depth; a dialog may rebuild the tree, so
// rows are found afresh each time.
void openEachRow(QTreeWidget *tree, const ModalDriver::Action &act)
{
    const auto rows = [tree] { return tree->findItems(QString(), Qt::MatchContains | Qt::MatchRecursive); };
    for (int i = 0; i < rows().size(); ++i)
        QVERIFY(openRow(tree, rows().at(i), act));
}

void finish(QWidget *d, Mode mode, const char *ok, const char *cancel, const std::function<void()> &change)
{
    if (mode == Cancel)
        change();
    press(d, mode == Cancel ? cancel : ok);
}

void walkItem(QWidget *d, Mode mode)
{
    openEachRow(child<QTreeWidget>(d, "treeWidget"), [mode](QWidget *c) {
        finish(c, mode == Keep ? Keep : Cancel, "pushButton", "pushButton_2", [c] { type(c, "lineEdit", QStringLiteral("99")); });
    });
    finish(d, mode, "okButton", "closeButton", [d] { type(d, "lineEdit", QStringLiteral("x")); });
}

void walkEvent(QWidget *d, Mode mode)
{
    openEachRow(child<QTreeWidget>(d, "treeWidget"), [mode](QWidget *i) { walkItem(i, mode == Keep ? Keep : Cancel); });
    finish(d, mode, "okButton", "closeButton", [d] {
        auto *tree = child<QTreeWidget>(d, "treeWidget");
        if (tree->topLevelItemCount() > 0) {
            clickRow(tree, tree->topLevelItem(0));
            press(d, "delButton");
        }
    });
}

void walkScheme(QWidget *d, Mode mode)
{
    const Mode below = mode == Keep ? Keep : Cancel;
    auto *tabs = child<QTabWidget>(d, "tabWidget");
    tabs->setCurrentIndex(1);
    openEachRow(child<QTreeWidget>(d, "getTree"), [below](QWidget *vd) {
        finish(vd, below, "saveBtn", "cancelBtn", [vd] { child<QComboBox>(vd, "comboBox")->setCurrentIndex(4); });
    });
    tabs->setCurrentIndex(2);
    auto *events = child<QTreeWidget>(d, "setTree");
    openEachRow(events, [below, events](QWidget *ed) {
        QCOMPARE(child<QComboBox>(ed, "comboBox")->currentText(), events->currentItem()->text(0)); // its own name
        walkEvent(ed, below);
    });
    finish(d, mode, "saveBtn", "cancelBtn", [d] { type(d, "schemeName", QStringLiteral("x")); });
}

// Every file of a folder, its name first.
QByteArrayList files(const TempWorkDir &dir)
{
    QByteArrayList out;
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        out << name.toUtf8() + '\n' + dir.read(name);
    return out;
}

} // namespace

class TestSchemeEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }
    void untouchedProjectKeepsItsBytes_data();
    void untouchedProjectKeepsItsBytes();
    void variableDialogAsksTheChosenController();
    void eventTakesAnotherName();

private:
    SimServer *m_sim = nullptr;
    DeviceList m_devices;
    TempWorkDir m_dir;
    QString m_folder;
};

void TestSchemeEditor::initTestCase()
{
    m_sim = SimControllers::start(this, TestNet::host(1), R"(
        <Variable name="kot.t1" type="phy_temperature" min="0" max="900" value="215"/>
        <Variable name="kot.pompa" type="on_off" modify="1" value="1"/>)", VariableCatalogRequest::kPort);
    // Host 2 has nobody listening: a controller that does not answer.
    m_devices = {{QStringLiteral("Kocioł 1"), TestNet::host(1), QString(), QStringLiteral("kotłownia")},
                 {QStringLiteral("Cichy"), TestNet::host(2), QString(), QStringLiteral("nie odpowiada")}};
    m_folder = m_dir.path() + QLatin1Char('/');
    QDir(m_dir.path()).mkpath(QStringLiteral("qml"));
    m_dir.write(QStringLiteral("qml/kociol.qml"), "import QtQuick 1.1\nRectangle {\n property real tKotla: 0\n property bool pompa\n"
                                                  " property real tKotla: 1\n signal itemClicked(string name)\n"
                                                  " MouseArea { onClicked: root.itemClicked(\"pompa\") }\n"
                                                  " MouseArea { onClicked: root.itemClicked(\"zawor\") }\n}\n");
}

void TestSchemeEditor::untouchedProjectKeepsItsBytes_data()
{
    QTest::addColumn<int>("modeNumber");
    QTest::newRow("unchanged OK everywhere") << int(Keep);
    QTest::newRow("changes cancelled in every dialog") << int(Below);
}

// The demo project, its controllers silent, through every editor and back.
void TestSchemeEditor::untouchedProjectKeepsItsBytes()
{
    QFETCH(int, modeNumber);
    const auto mode = Mode(modeNumber);
    TempWorkDir dir;
    TempWorkDir::copyTree(TestPaths::sourceDir() + QStringLiteral("/examples/demo/project"), dir.path());
    const QString folder = dir.path() + QLatin1Char('/');
    Project project;
    project.load(folder);
    for (int i = 0; i < project.devices.size(); ++i)
        project.devices[i].networkAdress = TestNet::host(10 + i);
    QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
    const QByteArrayList before = files(dir);

    deviceManagement devices;
    devices.setDevices(project.devices);
    devices.show();
    openEachRow(child<QTreeWidget>(&devices, "treeWidget"), [mode](QWidget *d) {
        finish(d, mode == Keep ? Keep : Cancel, "pushButton", "pushButton_2", [d] { type(d, "lineEdit_2", QStringLiteral("x")); });
    });
    press(&devices, "saveButton");
    project.devices = devices.devices();

    schemesManagement menu;
    menu.setMenuRecords(project.menu);
    menu.setDevices(project.devices);
    menu.setProjectFolder(folder);
    menu.show();
    openEachRow(child<QTreeWidget>(&menu, "treeWidget"), [mode](QWidget *d) {
        if (qobject_cast<schemeVariables *>(d))
            walkScheme(d, mode);
        else
            finish(d, mode == Keep ? Keep : Cancel, "okBtn", "closeBtn", [d] { type(d, "groupName", QStringLiteral("x")); });
    });
    press(&menu, "pushButton_2");
    QCOMPARE(menu.result(), int(QDialog::Accepted));
    project.menu = menu.menuRecords();
    QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
    QCOMPARE(files(dir), before);
}

// The chosen controller is asked; a controller that does not answer offers
// nothing (not the last one's names) and a name can be typed. A stored
// binding to a controller and a type the lists do not know stays.
void TestSchemeEditor::variableDialogAsksTheChosenController()
{
    variableAddEdit d;
    d.link()->setTimeoutMs(300);
    d.setProjectFolder(m_folder);
    d.setDevices(m_devices);
    d.setScheme({"0", "Item", "kociol", "Kocioł", "qml/kociol.qml"});
    d.reset();
    auto *devVar = child<QComboBox>(&d, "devVarCombo");
    QCOMPARE(comboItems(child<QComboBox>(&d, "qmlVarCombo")), QStringList({"tKotla", "pompa"})); // each once
    const int before = m_sim->requestCount();
    child<QComboBox>(&d, "deviceCombo")->setCurrentIndex(0);
    QTRY_COMPARE(comboItems(devVar), QStringList({"kot.t1", "kot.pompa"}));
    QCOMPARE(m_sim->commands().mid(before), QStringList(QStringLiteral("describe_all;")));
    child<QComboBox>(&d, "deviceCombo")->setCurrentIndex(1);
    QCOMPARE(d.cursor().shape(), Qt::WaitCursor);
    QTRY_COMPARE(child<QLabel>(&d, "statusLabel")->text(), QStringLiteral("Sterownik ") + TestNet::host(2) + QStringLiteral(" nie odpowiada"));
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(comboItems(devVar).isEmpty());
    devVar->setEditText(QStringLiteral("wpisana"));
    QCOMPARE(d.variable().devVar, QStringLiteral("wpisana"));
    const TeskSchemeVariable odd{"Usunięty", "x.y", "brak", "custom", QString()};
    d.reset();
    d.setVariable(odd);
    QCOMPARE(d.variable(), odd);
}

// An edited event may take another free name, never another event's.
void TestSchemeEditor::eventTakesAnotherName()
{
    schemeVariables d;
    d.setEvents({EventRecord{QStringLiteral("pompa"), {}}, EventRecord{QStringLiteral("stare"), {}}});
    d.setProjectFolder(m_folder);
    d.setRecord({"0", "Item", "kociol", "Kocioł", "qml/kociol.qml"});
    d.show();
    child<QTabWidget>(&d, "tabWidget")->setCurrentIndex(2);
    auto *setTree = child<QTreeWidget>(&d, "setTree");
    QVERIFY(openRow(setTree, setTree->topLevelItem(1), [](QWidget *modal) {
        QCOMPARE(comboItems(child<QComboBox>(modal, "comboBox")), QStringList({"stare", "zawor"}));
        child<QComboBox>(modal, "comboBox")->setCurrentIndex(1);
        press(modal, "okButton");
    }));
    QCOMPARE(d.events().last().name, QStringLiteral("zawor"));
}

QTEST_MAIN(TestSchemeEditor)
#include "tst_schemeeditor.moc"
