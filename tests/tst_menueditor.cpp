#include "dialogs.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "schemeaddedit.h"
#include "schemesmanagement.h"
#include "schemevariables.h"
#include "tempworkdir.h"
#include "widgetlookup.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(MenuItemRecord)

namespace {

MenuItemRecord rec(const QString &kind, const QString &id, const QString &text, const QString &parent)
{
    MenuItemRecord r;
    r.kind = kind;
    r.id = id;
    r.text = text;
    r.parent = parent;
    return r;
}

QTreeWidget *tree(schemesManagement &d)
{
    return d.findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
}

QTreeWidgetItem *row(schemesManagement &d, const QString &text)
{
    const auto found = tree(d)->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void select(schemesManagement &d, const QString &text)
{
    QTreeWidgetItem *r = row(d, text);
    tree(d)->setCurrentItem(r);
    emit tree(d)->itemClicked(r, 0);
}

// Adds through the small dialog: a group (name) or a scheme (id and name).
void add(schemesManagement &d, const QString &name, const QString &schemeId = QString())
{
    ModalDriver driver([&](QWidget *modal) {
        const bool scheme = !schemeId.isNull();
        modal->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(scheme ? 1 : 0);
        modal->findChild<QLineEdit *>(scheme ? QStringLiteral("schemeName") : QStringLiteral("groupName"))->setText(name);
        if (scheme)
            modal->findChild<QLineEdit *>(QStringLiteral("schemeId"))->setText(schemeId);
        click(modal, "okBtn");
    });
    click(&d, "schemeAddBtn");
    QVERIFY(driver.ran());
}

QStringList records(const QList<MenuItemRecord> &list)
{
    QStringList out;
    for (const MenuItemRecord &r : list)
        out << r.text + QLatin1Char(':') + r.id + QLatin1Char('<') + r.parent;
    return out;
}

} // namespace

class TestMenuEditor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buildingTheTree();
    void addingAndNumbering();
    void removingTakesItsOwnRowsOnly();
    void refusedOnConfirm_data();
    void refusedOnConfirm();
    void smallDialogsCheckNamesAndIds();
    void storedIntervalSurvives_data();
    void storedIntervalSurvives();
    void qmlFileRelativeToTheProject();
    void mainWindowTakesTheMenu();
};

void TestMenuEditor::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
}

void TestMenuEditor::buildingTheTree()
{
    schemesManagement d;
    d.setMenuRecords({rec("Item", "k", "Kocioł", "1.1"), rec("Group", "1.1", "Kuchnia", "1"), rec("Group", "1", "Parter", "0"),
                      rec("Item", "lost", "Zgubiony", "9"), rec("Item", "pod", "Pod schematem", "k")});
    QCOMPARE(tree(d)->topLevelItemCount(), 3);
    QCOMPARE(row(d, "Kocioł")->parent(), row(d, "Kuchnia"));
    QCOMPARE(row(d, "Kuchnia")->parent(), row(d, "Parter"));
    QVERIFY(!row(d, "Zgubiony")->parent()); // its group never comes: top level
    QVERIFY(!row(d, "Pod schematem")->parent()); // a scheme holds nothing
}

void TestMenuEditor::addingAndNumbering()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "A", "0"), rec("Group", "2", "B", "0")});
    add(d, "C");
    QCOMPARE(row(d, "C")->text(1), QString()); // numbered on confirm
    // C was made third: it is 3 wherever it is dragged.
    QTreeWidgetItem *c = tree(d)->takeTopLevelItem(2);
    tree(d)->insertTopLevelItem(0, c);
    select(d, "C");
    add(d, "C1");
    select(d, "C");
    add(d, "C2");
    select(d, "C2");
    add(d, "Schemat", "s1");
    // A scheme is a leaf: what is added with it selected goes beside it, and
    // nothing can be dropped onto it.
    select(d, "Schemat");
    add(d, "Obok", "s2");
    const QModelIndex scheme = tree(d)->model()->index(0, 0, tree(d)->model()->index(1, 0, tree(d)->model()->index(0, 0)));
    QCOMPARE(scheme.data().toString(), QStringLiteral("Schemat"));
    QVERIFY(!(tree(d)->model()->flags(scheme) & Qt::ItemIsDropEnabled));
    QVERIFY(tree(d)->model()->flags(scheme.parent()) & Qt::ItemIsDropEnabled);
    click(&d, "pushButton_2");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(records(d.menuRecords()),
             QStringList({"A:1<0", "B:2<0", "C:3<0", "C1:3.1<3", "C2:3.2<3", "Schemat:s1<3.2", "Obok:s2<3.2"}));
}

// Removing group 1 keeps what group 10 holds; removing a group not numbered
// yet keeps the other new groups, whose IDs are empty too.
void TestMenuEditor::removingTakesItsOwnRowsOnly()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "Jeden", "0"), rec("Group", "1.1", "Jeden.1", "1"), rec("Item", "a", "A", "1.1"),
                      rec("Group", "10", "Dziesięć", "0"), rec("Item", "b", "B", "10")});
    select(d, "Jeden");
    click(&d, "schemeRemoveBtn");
    QCOMPARE(records(d.menuRecords()), QStringList({"Dziesięć:10<0", "B:b<10"}));
    QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("schemeRemoveBtn"))->isEnabled());

    add(d, "Nowa1");
    add(d, "Nowa2");
    select(d, "Nowa2");
    add(d, "Pod2");
    ModalDriver rename([](QWidget *modal) {
        QVERIFY(!modal->findChild<QComboBox *>(QStringLiteral("comboBox"))->isEnabled());
        modal->findChild<QLineEdit *>(QStringLiteral("groupName"))->setText(QStringLiteral("Inna"));
        click(modal, "okBtn");
    });
    emit tree(d)->itemDoubleClicked(row(d, "Nowa1"), 0);
    QVERIFY(rename.ran());
    select(d, "Nowa2");
    click(&d, "schemeRemoveBtn");
    QCOMPARE(records(d.menuRecords()), QStringList({"Dziesięć:10<0", "B:b<10", "Inna:<0"}));
}

void TestMenuEditor::refusedOnConfirm_data()
{
    QTest::addColumn<QList<MenuItemRecord>>("menu");
    QTest::addColumn<QString>("message");
    const QString twice = QStringLiteral("Znaleziono dwa elementy z tym samym ID");
    QTest::newRow("a group's number") << QList<MenuItemRecord>{rec("Group", "1", "G", "0"), rec("Item", "1", "S", "1")} << twice;
    // The new group becomes 1.1 in this very confirmation.
    QTest::newRow("a number given now") << QList<MenuItemRecord>{rec("Group", "1", "G", "0"), rec("Group", "", "Nowa", "1"),
                                                                  rec("Item", "1.1", "S", "1")}
                                        << twice;
    QTest::newRow("two schemes") << QList<MenuItemRecord>{rec("Item", "k", "S1", "0"), rec("Item", "k", "S2", "0")} << twice;
    QTest::newRow("outside the folder") << QList<MenuItemRecord>{rec("Item", "../x", "S", "0")} << QStringLiteral("„../x”");
    QTest::newRow("a path") << QList<MenuItemRecord>{rec("Item", "a/b", "S", "0")} << QStringLiteral("„a/b”");
    QTest::newRow("empty") << QList<MenuItemRecord>{rec("Item", "", "S", "0")} << QStringLiteral("„”");
}

void TestMenuEditor::refusedOnConfirm()
{
    QFETCH(QList<MenuItemRecord>, menu);
    QFETCH(QString, message);
    schemesManagement d;
    d.setMenuRecords(menu);
    Dialogs::presetAnswer(QMessageBox::Ok);
    click(&d, "pushButton_2");
    QCOMPARE(Dialogs::shown().size(), 1);
    QVERIFY2(Dialogs::shown().last().text.contains(message), qPrintable(Dialogs::shown().last().text));
    QCOMPARE(d.result(), 0);
    QCOMPARE(d.menuRecords(), menu); // nothing written back
}

void TestMenuEditor::smallDialogsCheckNamesAndIds()
{
    // Two groups may not share a name, nor two schemes; a group and a scheme may.
    schemeAddEdit dialog;
    dialog.setOtherRecords({rec("Group", "1", "Kotłownia", "0"), rec("Item", "k", "Kocioł", "1")});
    dialog.findChild<QLineEdit *>(QStringLiteral("groupName"))->setText(QStringLiteral("Kotłownia"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    click(&dialog, "okBtn");
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Element o podanej nazwie już istnieje"));
    QCOMPARE(dialog.result(), 0);
    dialog.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
    dialog.findChild<QLineEdit *>(QStringLiteral("schemeName"))->setText(QStringLiteral("Kotłownia"));
    // A scheme ID that cannot name its file is refused where it is typed.
    for (QDialog *editor : QList<QDialog *>{&dialog, new schemeVariables(&dialog)}) {
        if (auto *scheme = qobject_cast<schemeVariables *>(editor))
            scheme->setRecord(rec("Item", "k", "Kocioł", "0"));
        editor->findChild<QLineEdit *>(QStringLiteral("schemeId"))->setText(QStringLiteral("../k"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        click(editor, editor == &dialog ? "okBtn" : "saveBtn");
        QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("„../k”")));
        QCOMPARE(editor->result(), 0);
        editor->findChild<QLineEdit *>(QStringLiteral("schemeId"))->setText(QStringLiteral("k2"));
        click(editor, editor == &dialog ? "okBtn" : "saveBtn");
        QCOMPARE(editor->result(), int(QDialog::Accepted));
    }
    QCOMPARE(dialog.record().kind, QStringLiteral("Item"));
    QCOMPARE(dialog.record().interval, 10);
}

void TestMenuEditor::storedIntervalSurvives_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("typed"); // -1: untouched
    QTest::addColumn<int>("expected");
    QTest::newRow("2") << 2 << -1 << 2;
    QTest::newRow("0, back-to-back passes") << 0 << -1 << 0;
    QTest::newRow("past the box's maximum") << 5000000 << -1 << 5000000;
    QTest::newRow("below 0") << -5 << -1 << -5;
    QTest::newRow("changed") << 2 << 3 << 3;
    QTest::newRow("set to 0") << 2 << 0 << 0;
}

void TestMenuEditor::storedIntervalSurvives()
{
    QFETCH(int, stored);
    QFETCH(int, typed);
    QFETCH(int, expected);
    MenuItemRecord r = rec("Item", "k", "Kocioł", "0");
    r.interval = stored;
    schemeAddEdit small;
    schemeVariables editor;
    for (QDialog *d : QList<QDialog *>{&small, &editor}) {
        if (d == &small)
            small.setRecord(r);
        else
            editor.setRecord(r);
        if (typed >= 0)
            d->findChild<QSpinBox *>(QStringLiteral("updateInterval"))->setValue(typed);
        QCOMPARE(d == &small ? small.record().interval : editor.record().interval, expected);
    }
}

void TestMenuEditor::qmlFileRelativeToTheProject()
{
    schemeAddEdit dialog;
    dialog.setProjectFolder(QStringLiteral("/srv/projekty/obiekt/"));
    dialog.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
    Dialogs::presetPath(QStringLiteral("/srv/projekty/obiekt/qml/kociol.qml"));
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("qmlPath"))->text(), QStringLiteral("qml/kociol.qml"));
    Dialogs::presetPath(QStringLiteral("/tmp/inny.qml"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("qmlPath"))->text(), QStringLiteral("qml/kociol.qml"));
    QCOMPARE(Dialogs::shown().size(), 1);
}

void TestMenuEditor::mainWindowTakesTheMenu()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"), "<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/></Config>");
    MainWindow w;
    ModalDriver driver([](QWidget *modal) {
        auto *d = qobject_cast<schemesManagement *>(modal);
        d->setMenuRecords({rec("Group", "", "Nowa grupa", "0"), rec("Item", "s", "Schemat", "")});
        click(d, "pushButton_2");
    });
    w.findChild<QAction *>(QStringLiteral("actionMenuTree"))->trigger();
    QVERIFY(driver.ran());
    QCOMPARE(records(w.project().menu), QStringList({"Nowa grupa:1<0", "Schemat:s<1"}));
    QVERIFY(w.isModified());
    QCOMPARE(w.treeItems().size(), 2);
    QCOMPARE(w.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->count(), 1);
}

QTEST_MAIN(TestMenuEditor)
#include "tst_menueditor.moc"
