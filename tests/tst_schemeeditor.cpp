#include "devicemanagement.h"
#include "dialogs.h"
#include "eventaddedit.h"
#include "modaldriver.h"
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
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <functional>

namespace {

using Act = std::function<void(QWidget *)>;

// How a walk leaves each dialog: untouched with OK; after a change with
// Cancel; or (Below) untouched with OK while the dialogs it opens cancel.
enum Mode { Keep, Below, Cancel };

QPushButton *button(QWidget *d, const char *name)
{
    return d->findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Double-clicks a row as a user would and acts on the dialog it opens.
void openRow(QTreeWidget *tree, QTreeWidgetItem *row, const Act &act)
{
    tree->scrollToItem(row);
    const QPoint at = tree->visualItemRect(row).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    ModalDriver driver(act);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(driver.ran());
}

QList<QTreeWidgetItem *> rows(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        out << *it;
    return out;
}

// Opens every row in turn; a dialog may rebuild the tree, so rows are
// found afresh each time.
void openEachRow(QTreeWidget *tree, const Act &act)
{
    for (int i = 0; i < rows(tree).size(); ++i)
        openRow(tree, rows(tree).at(i), act);
}

void finish(QWidget *d, Mode mode, const char *ok, const char *cancel, const std::function<void()> &change)
{
    if (mode == Cancel)
        change();
    QTest::mouseClick(button(d, mode == Cancel ? cancel : ok), Qt::LeftButton);
}

void walkItem(QWidget *d, Mode mode)
{
    openEachRow(child<QTreeWidget>(d, "treeWidget"), [mode](QWidget *c) {
        finish(c, mode == Keep ? Keep : Cancel, "pushButton", "pushButton_2",
               [c] { child<QLineEdit>(c, "lineEdit")->setText(QStringLiteral("99")); });
    });
    finish(d, mode, "okButton", "closeButton", [d] { child<QLineEdit>(d, "lineEdit")->setText(QStringLiteral("x")); });
}

void walkEvent(QWidget *d, Mode mode)
{
    openEachRow(child<QTreeWidget>(d, "treeWidget"), [mode](QWidget *i) { walkItem(i, mode == Keep ? Keep : Cancel); });
    finish(d, mode, "okButton", "closeButton", [d] {
        auto *tree = child<QTreeWidget>(d, "treeWidget");
        if (tree->topLevelItemCount() > 0)
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(0)).center());
        QTest::mouseClick(button(d, "delButton"), Qt::LeftButton);
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
    openEachRow(child<QTreeWidget>(d, "setTree"), [below](QWidget *ed) { walkEvent(ed, below); });
    finish(d, mode, "saveBtn", "cancelBtn", [d] { child<QLineEdit>(d, "schemeName")->setText(QStringLiteral("x")); });
}

QHash<QString, QByteArray> files(const QString &folder)
{
    QHash<QString, QByteArray> out;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile f(folder + name);
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}

} // namespace

class TestSchemeEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void untouchedProjectKeepsItsBytes_data();
    void untouchedProjectKeepsItsBytes();
    void variableDialogAsksTheChosenController();
    void readVariablesAndEvents();

private:
    variableAddEdit *newVariableDialog();

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

void TestSchemeEditor::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
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
    const Mode mode = Mode(modeNumber);
    TempWorkDir dir;
    TempWorkDir::copyTree(TestPaths::sourceDir() + QStringLiteral("/examples/demo/project"), dir.path());
    const QString folder = dir.path() + QLatin1Char('/');
    Project project;
    project.load(folder);
    for (int i = 0; i < project.devices.size(); ++i)
        project.devices[i].networkAdress = TestNet::host(10 + i);
    QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
    const QHash<QString, QByteArray> before = files(folder);

    deviceManagement devices;
    devices.setDevices(project.devices);
    devices.show();
    auto *deviceTree = child<QTreeWidget>(&devices, "treeWidget");
    openEachRow(deviceTree, [mode](QWidget *d) {
        finish(d, mode == Keep ? Keep : Cancel, "pushButton", "pushButton_2",
               [d] { child<QLineEdit>(d, "lineEdit_2")->setText(QStringLiteral("x")); });
    });
    QTest::mouseClick(button(&devices, "saveButton"), Qt::LeftButton);
    project.devices = devices.devices();

    schemesManagement menu;
    menu.setMenuRecords(project.menu);
    menu.setDevices(project.devices);
    menu.setProjectFolder(folder);
    menu.show();
    auto *menuTree = child<QTreeWidget>(&menu, "treeWidget");
    openEachRow(menuTree, [mode](QWidget *d) {
        if (qobject_cast<schemeVariables *>(d))
            walkScheme(d, mode);
        else
            finish(d, mode == Keep ? Keep : Cancel, "okBtn", "closeBtn",
                   [d] { child<QLineEdit>(d, "groupName")->setText(QStringLiteral("x")); });
    });
    QTest::mouseClick(button(&menu, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(menu.result(), int(QDialog::Accepted));
    project.menu = menu.menuRecords();
    QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
    const QHash<QString, QByteArray> after = files(folder);
    for (const QString &name : before.keys())
        QVERIFY2(after.value(name) == before.value(name), qPrintable(name + QString::fromUtf8(after.value(name))));
}

variableAddEdit *TestSchemeEditor::newVariableDialog()
{
    auto *d = new variableAddEdit;
    d->link()->setTimeoutMs(300);
    d->setProjectFolder(m_folder);
    d->setDevices(m_devices);
    MenuItemRecord scheme;
    scheme.qmlFile = QStringLiteral("qml/kociol.qml");
    d->setScheme(scheme);
    d->reset();
    return d;
}

void TestSchemeEditor::variableDialogAsksTheChosenController()
{
    QScopedPointer<variableAddEdit> d(newVariableDialog());
    auto *devVar = child<QComboBox>(d.data(), "devVarCombo");
    QCOMPARE(comboItems(child<QComboBox>(d.data(), "qmlVarCombo")), QStringList({"tKotla", "pompa"})); // each once
    const int before = m_sim->requestCount();
    child<QComboBox>(d.data(), "deviceCombo")->setCurrentIndex(0);
    QTRY_COMPARE(comboItems(devVar), QStringList({"kot.t1", "kot.pompa"}));
    QCOMPARE(m_sim->commands().mid(before), QStringList(QStringLiteral("describe_all;")));
    devVar->setCurrentIndex(1);
    child<QComboBox>(d.data(), "qmlVarCombo")->setCurrentIndex(1);
    child<QComboBox>(d.data(), "comboBox")->setCurrentIndex(2);
    QCOMPARE(d->variable(), (TeskSchemeVariable{QStringLiteral("Kocioł 1"), QStringLiteral("kot.pompa"), QStringLiteral("pompa"),
                                                QStringLiteral("logic"), QString()}));

    // Another controller that does not answer: its names are not known, the
    // first one's are no longer offered, and the name can be typed.
    child<QComboBox>(d.data(), "deviceCombo")->setCurrentIndex(1);
    QCOMPARE(d->cursor().shape(), Qt::WaitCursor);
    QVERIFY(comboItems(devVar).isEmpty());
    QTRY_COMPARE(child<QLabel>(d.data(), "statusLabel")->text(), QStringLiteral("Sterownik ") + TestNet::host(2) + QStringLiteral(" nie odpowiada"));
    QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(comboItems(devVar).isEmpty());
    devVar->setEditText(QStringLiteral("wpisana"));
    QCOMPARE(d->variable().devVar, QStringLiteral("wpisana"));

    // A stored binding to a controller and a type the lists do not know stays.
    const TeskSchemeVariable odd{QStringLiteral("Usunięty"), QStringLiteral("x.y"), QStringLiteral("brak"), QStringLiteral("custom"), QString()};
    d->reset();
    d->setVariable(odd);
    QCOMPARE(d->variable(), odd);
}

void TestSchemeEditor::readVariablesAndEvents()
{
    schemeVariables d;
    const TeskSchemeVariable t1{QStringLiteral("Kocioł 1"), QStringLiteral("kot.t1"), QStringLiteral("tKotla"), QStringLiteral("temp"), QString()};
    d.setReadVariables({t1});
    d.setEvents({EventRecord{QStringLiteral("pompa"), {}}, EventRecord{QStringLiteral("stare"), {}}});
    d.setDevices(m_devices);
    d.setProjectFolder(m_folder);
    MenuItemRecord scheme;
    scheme.kind = MenuItemRecord::schemeKind();
    scheme.id = QStringLiteral("kociol");
    scheme.qmlFile = QStringLiteral("qml/kociol.qml");
    d.setRecord(scheme);
    d.show();
    auto *tabs = child<QTabWidget>(&d, "tabWidget");
    QVERIFY(!button(&d, "addBtn")->isEnabled());
    tabs->setCurrentIndex(1);
    ModalDriver add([](QWidget *modal) {
        child<QComboBox>(modal, "deviceCombo")->setCurrentIndex(0);
        child<QComboBox>(modal, "devVarCombo")->setEditText(QStringLiteral("kot.pompa"));
        child<QComboBox>(modal, "qmlVarCombo")->setCurrentIndex(1);
        child<QComboBox>(modal, "comboBox")->setCurrentIndex(2);
        QTest::mouseClick(button(modal, "saveBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(button(&d, "addBtn"), Qt::LeftButton);
    QVERIFY(add.ran());
    QCOMPARE(d.readVariables().size(), 2);
    QCOMPARE(d.readVariables().last().qmlVar, QStringLiteral("pompa"));
    auto *getTree = child<QTreeWidget>(&d, "getTree");
    QTest::mouseClick(getTree->viewport(), Qt::LeftButton, {}, getTree->visualItemRect(getTree->topLevelItem(0)).center());
    QTest::mouseClick(button(&d, "deleteBtn"), Qt::LeftButton); // no question asked
    QCOMPARE(d.readVariables().size(), 1);
    QVERIFY(Dialogs::shown().isEmpty());

    // An edited event shows its own name and may take another free one; the
    // name of another event is not offered.
    tabs->setCurrentIndex(2);
    auto *setTree = child<QTreeWidget>(&d, "setTree");
    openRow(setTree, setTree->topLevelItem(1), [](QWidget *modal) {
        auto *name = child<QComboBox>(modal, "comboBox");
        QCOMPARE(name->currentText(), QStringLiteral("stare"));
        QCOMPARE(comboItems(name), QStringList({"stare", "zawor"}));
        name->setCurrentIndex(1);
        QTest::mouseClick(button(modal, "okButton"), Qt::LeftButton);
    });
    QCOMPARE(d.events().last().name, QStringLiteral("zawor"));
}

QTEST_MAIN(TestSchemeEditor)
#include "tst_schemeeditor.moc"
