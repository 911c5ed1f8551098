#include "devicemanagement.h"
#include "editordriving.h"
#include "eventaddedit.h"
#include "eventitemaddedit.h"
#include "project.h"
#include "schemeaddedit.h"
#include "qteskcmd.h"
#include "schemesmanagement.h"
#include "schemevariables.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"

#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace EditorDriving;

Q_DECLARE_METATYPE(EventItemRecord)
Q_DECLARE_METATYPE(MenuItemRecord)

namespace {

using Item = EventItemRecord; // type, variable, controller, description

// How a walk leaves each dialog: untouched with OK; after a change with
// Cancel; or (Below) untouched with OK while the dialogs it opens cancel.
enum Mode { Keep, Below, Cancel };

Mode below(Mode mode) { return mode == Keep ? Keep : Cancel; }

// Opens every row in turn, at any depth; a dialog may rebuild the tree, so
// rows are found afresh each time.
void openEachRow(QWidget *d, const char *tree, const ModalDriver::Action &act)
{
    auto *t = child<QTreeWidget>(d, tree);
    const auto rows = [t] { return t->findItems(QString(), Qt::MatchContains | Qt::MatchRecursive); };
    for (int i = 0; i < rows().size(); ++i)
        QVERIFY(openRow(t, rows().at(i), act));
}

void finish(QWidget *d, Mode mode, const char *ok, const char *cancel, const std::function<void()> &change)
{
    if (mode == Cancel)
        change();
    press(d, mode == Cancel ? cancel : ok);
}

// An event's item and the choices it offers.
void walkItem(QWidget *d, Mode mode)
{
    openEachRow(d, "treeWidget", [mode](QWidget *choice) {
        finish(choice, below(mode), "pushButton", "pushButton_2", [choice] { type(choice, "lineEdit", QStringLiteral("99")); });
    });
    finish(d, mode, "okButton", "closeButton", [d] { type(d, "lineEdit", QStringLiteral("x")); });
}

void walkEvent(QWidget *d, Mode mode)
{
    openEachRow(d, "treeWidget", [mode](QWidget *item) { walkItem(item, below(mode)); });
    finish(d, mode, "okButton", "closeButton", [d] {
        if (QTreeWidgetItem *first = child<QTreeWidget>(d, "treeWidget")->topLevelItem(0)) {
            clickRow(first->treeWidget(), first);
            press(d, "delButton");
        }
    });
}

void walkScheme(QWidget *d, Mode mode)
{
    auto *tabs = child<QTabWidget>(d, "tabWidget");
    tabs->setCurrentIndex(1);
    openEachRow(d, "getTree", [mode](QWidget *vd) {
        finish(vd, below(mode), "saveBtn", "cancelBtn", [vd] { combo(vd, "comboBox")->setCurrentIndex(4); });
    });
    tabs->setCurrentIndex(2);
    openEachRow(d, "setTree", [mode, d](QWidget *ed) {
        QCOMPARE(combo(ed, "comboBox")->currentText(), child<QTreeWidget>(d, "setTree")->currentItem()->text(0)); // its own name
        walkEvent(ed, below(mode));
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

using Menu = QList<MenuItemRecord>;

MenuItemRecord rec(const char *kind, const char *id, const char *text, const char *parent)
{
    return {QString::fromLatin1(parent), QString::fromLatin1(kind), QString::fromUtf8(id), QString::fromUtf8(text)};
}

QTreeWidget *menuTree(QWidget *d) { return child<QTreeWidget>(d, "treeWidget"); }
QTreeWidgetItem *menuRow(QWidget *d, const char *text) { return menuTree(d)->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive).value(0); }
QWidget *select(QWidget *d, const char *text) { clickRow(menuTree(d), menuRow(d, text)); return d; }

// Adds through the small dialog: a group, or a scheme when an ID is given.
void addEntry(QWidget *d, const QString &name, const QString &schemeId = QString())
{
    QVERIFY(onModal([d] { press(d, "schemeAddBtn"); }, [&](QWidget *modal) {
        combo(modal, "comboBox")->setCurrentIndex(schemeId.isNull() ? 0 : 1);
        type(modal, schemeId.isNull() ? "groupName" : "schemeName", name);
        type(modal, "schemeId", schemeId);
        press(modal, "okBtn");
    }));
}

QStringList records(const Menu &list)
{
    QStringList out;
    for (const MenuItemRecord &r : list)
        out << r.text + QLatin1Char(':') + r.id + QLatin1Char('<') + r.parent;
    return out;
}

} // namespace

class TestSchemeEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QByteArray variables = R"(<Variable name="t1" type="int"/><Variable name="t2" type="int"/><Variable name="t3" type="int"/>)";
        m_sim = SimControllers::start(this, TestNet::host(1), variables, VariableCatalogRequest::kPort);
        SimControllers::start(this, TestNet::host(3), variables, VariableCatalogRequest::kPort);
        SimControllers::start(this, TestNet::host(4), QByteArray(), VariableCatalogRequest::kPort)->setFault(SimFault::Silent);
        // Host 2 has nobody listening, host 4 does not answer.
        m_devices = {{QStringLiteral("Kocioł 1"), TestNet::host(1), QString(), QStringLiteral("kotłownia")},
                     {QStringLiteral("Cichy"), TestNet::host(2), QString(), QStringLiteral("nie odpowiada")},
                     {QStringLiteral("K2"), TestNet::host(3), QString(), QStringLiteral("B")},
                     {QStringLiteral("K3"), TestNet::host(4), QString(), QStringLiteral("milczy")}};
        m_folder = m_dir.path() + QLatin1Char('/');
        QDir(m_dir.path()).mkpath(QStringLiteral("qml"));
        m_dir.write(QStringLiteral("qml/kociol.qml"), "import QtQuick 1.1\nRectangle {\n property real tKotla: 0\n property bool pompa\n"
                                                      " property real tKotla: 1\n signal itemClicked(string name)\n"
                                                      " MouseArea { onClicked: root.itemClicked(\"pompa\") }\n"
                                                      " MouseArea { onClicked: root.itemClicked(\"zawor\") }\n"
                                                      " MouseArea { onClicked: root.itemClicked(\"zawor\") }\n}\n");
        for (const char *f : {"deviceList.xml", "menuList.xml", "project.xml", "k1.xml", "K2.xml"})
            m_dir.write(QString::fromLatin1(f), "<x/>");
    }

    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }

    // Records may come before their group; a record whose group never comes,
    // or that names a scheme as its group, goes to the top level. A group made
    // third is 3 wherever it is dragged; what is added with a scheme selected
    // goes beside it, and nothing can be dropped onto a scheme.
    // (C is the fifth top-level row made: the two lost records come before it.)
    void addingAndNumbering()
    {
        schemesManagement d;
        d.setMenuRecords({rec("Item", "k", "Kocioł", "2"), rec("Group", "1", "A", "0"), rec("Group", "2", "B", "0"),
                          rec("Item", "lost", "Zgubiony", "9"), rec("Item", "pod", "Pod", "k")});
        d.show();
        addEntry(&d, "C");
        menuTree(&d)->insertTopLevelItem(0, menuTree(&d)->takeTopLevelItem(menuTree(&d)->indexOfTopLevelItem(menuRow(&d, "C"))));
        addEntry(select(&d, "C"), "C1");
        addEntry(select(&d, "C"), "C2");
        addEntry(select(&d, "C2"), "Schemat", "s1");
        addEntry(select(&d, "Schemat"), "Obok", "s2");
        QVERIFY(!(menuRow(&d, "Schemat")->flags() & Qt::ItemIsDropEnabled));
        QVERIFY(menuRow(&d, "C2")->flags() & Qt::ItemIsDropEnabled);
        press(&d, "pushButton_2");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(records(d.menuRecords()), QStringList({"Kocioł:k<2", "A:1<0", "B:2<0", "Zgubiony:lost<0", "Pod:pod<0", "C:5<0",
                                                        "C1:5.1<5", "C2:5.2<5", "Schemat:s1<5.2", "Obok:s2<5.2"}));
    }

    // Removing group 1 keeps what group 10 holds; removing a group not numbered
    // yet keeps the other new groups, whose IDs are empty too.
    void removingTakesItsOwnRowsOnly()
    {
        schemesManagement d;
        d.setMenuRecords({rec("Group", "1", "Jeden", "0"), rec("Group", "1.1", "Jeden.1", "1"), rec("Item", "a", "A", "1.1"),
                          rec("Group", "10", "Dziesięć", "0"), rec("Item", "b", "B", "10")});
        d.show();
        select(&d, "Jeden");
        press(&d, "schemeRemoveBtn");
        QVERIFY(!button(&d, "schemeRemoveBtn")->isEnabled());
        addEntry(&d, "Nowa1");
        addEntry(&d, "Nowa2");
        addEntry(select(&d, "Nowa2"), "Pod2");
        QVERIFY(openRow(menuTree(&d), menuRow(&d, "Nowa1"), [](QWidget *modal) {
            QVERIFY(!combo(modal, "comboBox")->isEnabled());
            type(modal, "groupName", QStringLiteral("Inna"));
            press(modal, "okBtn");
        }));
        select(&d, "Nowa2");
        press(&d, "schemeRemoveBtn");
        QCOMPARE(records(d.menuRecords()), QStringList({"Dziesięć:10<0", "B:b<10", "Inna:<0"}));
    }

    void refusedOnConfirm_data()
    {
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<QString>("message");
        const QString twice = QStringLiteral("Znaleziono dwa elementy z tym samym ID");
        QTest::newRow("a group's number") << Menu{rec("Group", "1", "G", "0"), rec("Item", "1", "S", "1")} << twice;
        // The new group becomes 1.1 in this very confirmation.
        QTest::newRow("a number given now") << Menu{rec("Group", "1", "G", "0"), rec("Group", "", "N", "1"), rec("Item", "1.1", "S", "1")} << twice;
        QTest::newRow("two schemes") << Menu{rec("Item", "k", "S1", "0"), rec("Item", "k", "S2", "0")} << twice;
        // Outside the folder, empty, a project file's name, a name Windows
        // reserves or trims.
        for (const char *id : {"../x", "", "deviceList", "MENULIST", "CON", "com1.txt", "k.", "k "})
            QTest::addRow("\"%s\"", id) << Menu{rec("Item", id, "S", "0")} << QStringLiteral("„%1”").arg(QLatin1String(id));
    }

    void refusedOnConfirm()
    {
        QFETCH(Menu, menu);
        QFETCH(QString, message);
        schemesManagement d;
        d.setMenuRecords(menu);
        const QString shown = refusal(&d, "pushButton_2");
        QVERIFY2(shown.contains(message) && Dialogs::shown().size() == 1, qPrintable(shown));
        QCOMPARE(d.result(), 0);
        QCOMPARE(d.menuRecords(), menu); // nothing written back
    }

    void smallDialogsCheckNamesIdsAndFiles()
    {
        // Two groups may not share a name, nor two schemes; a group and a scheme may.
        schemeAddEdit dialog;
        dialog.setOtherRecords({rec("Group", "1", "Kotłownia", "0"), rec("Item", "k", "Kocioł", "1")});
        type(&dialog, "groupName", QStringLiteral("Kotłownia"));
        QCOMPARE(refusal(&dialog, "okBtn"), QStringLiteral("Element o podanej nazwie już istnieje"));
        combo(&dialog, "comboBox")->setCurrentIndex(1);
        type(&dialog, "schemeName", QStringLiteral("Kotłownia"));
        // A scheme ID that cannot name its file is refused where it is typed.
        auto *editor = new schemeVariables(&dialog);
        editor->setRecord(rec("Item", "k", "Kocioł", "0"));
        for (QDialog *d : QList<QDialog *>{&dialog, editor}) {
            type(d, "schemeId", QStringLiteral("../k"));
            QVERIFY(refusal(d, d == &dialog ? "okBtn" : "saveBtn").contains(QStringLiteral("„../k”")));
            QCOMPARE(d->result(), 0);
            type(d, "schemeId", QStringLiteral("k2"));
            child<QSpinBox>(d, "updateInterval")->setValue(0); // back-to-back passes
            press(d, d == &dialog ? "okBtn" : "saveBtn");
            QCOMPARE(d->result(), int(QDialog::Accepted));
        }
        QCOMPARE(records({dialog.record()}), QStringList(QStringLiteral("Kotłownia:k2<0")));
        QCOMPARE(dialog.record().interval + editor->record().interval, 0);
        // The QML file is kept relative to the project; one outside it is refused.
        dialog.setProjectFolder(QStringLiteral("/srv/obiekt/"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        for (const char *path : {"/srv/obiekt/qml/kociol.qml", "/tmp/inny.qml"}) {
            Dialogs::presetPath(QString::fromLatin1(path));
            QTest::mouseClick(child<QToolButton>(&dialog, "toolButton"), Qt::LeftButton);
        }
        QCOMPARE(dialog.record().qmlFile, QStringLiteral("qml/kociol.qml"));
        QCOMPARE(Dialogs::shown().last().kind, Dialogs::Warning);
    }

    void untouchedProjectKeepsItsBytes_data()
    {
        QTest::addColumn<int>("modeNumber");
        QTest::newRow("unchanged OK everywhere") << int(Keep);
        QTest::newRow("changes cancelled in every dialog") << int(Below);
    }

    // The demo project, its controllers silent, through every editor and back.
    void untouchedProjectKeepsItsBytes()
    {
        QFETCH(int, modeNumber);
        const auto mode = Mode(modeNumber);
        TempWorkDir dir;
        TempWorkDir::copyTree(TestPaths::sourceDir() + QStringLiteral("/examples/demo/project"), dir.path());
        Project project;
        project.load(dir.path() + QLatin1Char('/'));
        for (int i = 0; i < project.devices.size(); ++i)
            project.devices[i].networkAdress = TestNet::host(10 + i);
        // Intervals the box cannot show, 0 (back-to-back passes), and a
        // variable of a controller and a type the lists do not know stay too.
        int n = 0;
        for (MenuItemRecord &r : project.menu) {
            if (!r.isGroup()) {
                r.interval = QList<int>{0, 5000000, -5}.value(n++, r.interval);
                r.readVariables << TeskSchemeVariable{"Usunięty", "x.y", "brak", "custom", QString()};
            }
        }
        QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
        const QByteArrayList before = files(dir);

        deviceManagement devices;
        devices.setDevices(project.devices);
        devices.show();
        openEachRow(&devices, "treeWidget", [mode](QWidget *d) {
            finish(d, below(mode), "pushButton", "pushButton_2", [d] { type(d, "lineEdit_2", QStringLiteral("x")); });
        });
        press(&devices, "saveButton");
        project.devices = devices.devices();

        schemesManagement menu;
        menu.setMenuRecords(project.menu);
        menu.setDevices(project.devices);
        menu.setProjectFolder(dir.path() + QLatin1Char('/'));
        menu.show();
        openEachRow(&menu, "treeWidget", [mode](QWidget *d) {
            if (qobject_cast<schemeVariables *>(d))
                walkScheme(d, mode);
            else
                finish(d, below(mode), "okBtn", "closeBtn", [d] { type(d, "groupName", QStringLiteral("x")); });
        });
        press(&menu, "pushButton_2");
        QCOMPARE(menu.result(), int(QDialog::Accepted));
        project.menu = menu.menuRecords();
        QVERIFY(project.save(QStringLiteral("v 1")).isEmpty());
        QCOMPARE(files(dir), before);
    }

    // A new variable: the chosen controller is asked; one that does not
    // answer offers nothing (not the last one's names) and a name can be typed.
    // An edited event shows its own name and the scene's free ones (each
    // once), never another event's. Its items offer no variable another item
    // uses (a controller ID with a space is found all the same); a scheme
    // change comes last: it disables Add, deleting it enables Add again. An
    // item edit closed with Close changes nothing.
    void editingAScheme()
    {
        const Item pump{"logic", "t2", "Kocioł 1", "Pompa"};
        const Item setpoint{"temp", "t2", "K2", "Nastawa"};
        schemeVariables d;
        d.setEvents({EventRecord{QStringLiteral("pompa"), {}}, EventRecord{QStringLiteral("stare"), {pump}}});
        d.setDevices(m_devices);
        d.setProjectFolder(m_folder);
        d.setRecord({"0", "Item", "kociol", "Kocioł", "qml/kociol.qml"});
        d.show();
        auto *tabs = child<QTabWidget>(&d, "tabWidget");
        tabs->setCurrentIndex(1);
        QVERIFY(onModal([&d] { press(&d, "addBtn"); }, [this](QWidget *vd) {
            auto *devVar = combo(vd, "devVarCombo");
            QCOMPARE(comboItems(combo(vd, "qmlVarCombo")), QStringList({"tKotla", "pompa"})); // each once
            const int before = m_sim->requestCount();
            combo(vd, "deviceCombo")->setCurrentIndex(0);
            QTRY_COMPARE(comboItems(devVar), QStringList({"t1", "t2", "t3"}));
            QCOMPARE(m_sim->commands().mid(before), QStringList(QStringLiteral("describe_all;")));
            combo(vd, "deviceCombo")->setCurrentIndex(1);
            QCOMPARE(vd->cursor().shape(), Qt::WaitCursor);
            QTRY_COMPARE(child<QLabel>(vd, "statusLabel")->text(), QStringLiteral("Sterownik ") + TestNet::host(2) + QStringLiteral(" nie odpowiada"));
            QCOMPARE(vd->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(comboItems(devVar).isEmpty());
            devVar->setEditText(QStringLiteral("wpisana"));
            press(vd, "saveBtn");
        }));
        QCOMPARE(d.readVariables().value(0).devVar, QStringLiteral("wpisana"));
        tabs->setCurrentIndex(2);
        auto *setTree = child<QTreeWidget>(&d, "setTree");
        QVERIFY(openRow(setTree, setTree->topLevelItem(1), [](QWidget *ed) {
            QCOMPARE(comboItems(combo(ed, "comboBox")), QStringList({"stare", "zawor"}));
            auto *tree = child<QTreeWidget>(ed, "treeWidget");
            QVERIFY(openRow(tree, tree->topLevelItem(0), [](QWidget *item) {
                QVERIFY(!combo(item, "typeCombo")->isEnabled());
                type(item, "lineEdit", QStringLiteral("zmienione"));
                press(item, "closeButton");
            }));
            const auto add = [ed](const ModalDriver::Action &act) { QVERIFY(onModal([ed] { press(ed, "addButton"); }, act)); };
            add([](QWidget *item) {
                QCOMPARE(comboItems(combo(item, "comboBox_4")), QStringList({"k1", "K2"}));
                combo(item, "comboBox_2")->setCurrentIndex(0);
                QTRY_COMPARE(comboItems(combo(item, "comboBox_6")), QStringList({"t1", "t3"}));
                QCOMPARE(combo(item, "comboBox_5")->currentIndex(), 0);
                combo(item, "comboBox_2")->setCurrentIndex(2);
                QTRY_COMPARE(comboItems(combo(item, "comboBox_3")), QStringList({"t1", "t2", "t3"}));
                combo(item, "comboBox_3")->setCurrentIndex(1);
                type(item, "lineEdit", QStringLiteral("Nastawa"));
                combo(item, "typeCombo")->setCurrentIndex(3);
                press(item, "okButton");
            });
            add([](QWidget *item) {
                combo(item, "typeCombo")->setCurrentIndex(7);
                press(item, "okButton");
            });
            QCOMPARE(qobject_cast<EventAddEdit *>(ed)->event().items.last(), (Item{"scheme", "k1", "-", "-"}));
            QVERIFY(!button(ed, "addButton")->isEnabled());
            clickRow(tree, tree->topLevelItem(2));
            press(ed, "delButton");
            QVERIFY(button(ed, "addButton")->isEnabled());
            combo(ed, "comboBox")->setCurrentIndex(1);
            press(ed, "okButton");
        }));
        QCOMPARE(d.events().last(), (EventRecord{QStringLiteral("zawor"), {pump, setpoint}}));
    }

    void choicesKeepTheirValuesApart()
    {
        EventItemAddEdit d;
        combo(&d, "typeCombo")->setCurrentIndex(5);
        const auto addChoice = [&d](const char *value, const char *name) {
            QString message;
            onModal([&] { press(&d, "addButton"); }, [&](QWidget *modal) {
                type(modal, "lineEdit", QString::fromUtf8(value));
                type(modal, "lineEdit_2", QString::fromUtf8(name));
                message = refusal(modal, "pushButton");
                if (modal->isVisible())
                    press(modal, "pushButton_2");
            });
            return message;
        };
        QVERIFY(addChoice("1", "Włącz").isEmpty());
        QCOMPARE(addChoice("1", "Znowu"), QStringLiteral("Podana wartość została już przypisana, proszę wprowadzić inną wartość."));
        QVERIFY(addChoice("0", "Wyłącz").isEmpty());
        press(&d, "okButton");
        QCOMPARE(d.item(), (Item{"combo", QString(), QString(), QString(), {{"1", "Włącz"}, {"0", "Wyłącz"}}}));
    }

    void editingKeepsTheStoredTarget_data()
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
    void editingKeepsTheStoredTarget()
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
        Item expected = stored;
        if (stored.type != QStringLiteral("scheme")) {
            expected.name = QStringLiteral("Opis nowy");
            type(&d, stored.type == QStringLiteral("list") ? "lineEdit_2" : "lineEdit", expected.name);
        }
        press(&d, "okButton");
        QCOMPARE(d.item(), expected);
    }

private:
    DeviceList m_devices;
    SimServer *m_sim = nullptr;
    TempWorkDir m_dir;
    QString m_folder;
};

QTEST_MAIN(TestSchemeEditor)
#include "tst_schemeeditor.moc"
