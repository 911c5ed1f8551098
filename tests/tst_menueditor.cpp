#include "dialogs.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "schemeaddedit.h"
#include "schemesmanagement.h"
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
    void removingTakesDescendantsOnly();
    void newGroupsAreTheirOwn();
    void idAndNameChecks();
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
                      rec("Item", "lost", "Zgubiony", "9")});
    QCOMPARE(tree(d)->topLevelItemCount(), 2);
    QCOMPARE(row(d, "Kocioł")->parent(), row(d, "Kuchnia"));
    QCOMPARE(row(d, "Kuchnia")->parent(), row(d, "Parter"));
    QVERIFY(!row(d, "Zgubiony")->parent()); // its group never comes: top level
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
    click(&d, "pushButton_2");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(records(d.menuRecords()),
             QStringList({"A:1<0", "B:2<0", "C:3<0", "C1:3.1<3", "C2:3.2<3", "Schemat:s1<3.2"}));
}

void TestMenuEditor::removingTakesDescendantsOnly()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "Jeden", "0"), rec("Group", "1.1", "Jeden.1", "1"), rec("Item", "a", "A", "1.1"),
                      rec("Group", "10", "Dziesięć", "0"), rec("Item", "b", "B", "10")});
    select(d, "Jeden");
    click(&d, "schemeRemoveBtn");
    QCOMPARE(records(d.menuRecords()), QStringList({"Dziesięć:10<0", "B:b<10"}));
    QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("schemeRemoveBtn"))->isEnabled());
}

void TestMenuEditor::newGroupsAreTheirOwn()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "Stara", "0")});
    add(d, "Nowa1");
    add(d, "Nowa2");
    select(d, "Nowa2");
    add(d, "Pod2");
    // Renaming one new group renames that one only.
    ModalDriver rename([](QWidget *modal) {
        QVERIFY(!modal->findChild<QComboBox *>(QStringLiteral("comboBox"))->isEnabled());
        modal->findChild<QLineEdit *>(QStringLiteral("groupName"))->setText(QStringLiteral("Inna"));
        click(modal, "okBtn");
    });
    emit tree(d)->itemDoubleClicked(row(d, "Nowa1"), 0);
    QVERIFY(rename.ran());
    QVERIFY(row(d, "Inna") && row(d, "Nowa2"));
    // Removing a new group removes it and what is under it, nothing else.
    select(d, "Nowa2");
    click(&d, "schemeRemoveBtn");
    QCOMPARE(records(d.menuRecords()), QStringList({"Stara:1<0", "Inna:<0"}));
}

void TestMenuEditor::idAndNameChecks()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "Grupa", "0"), rec("Item", "1", "Schemat", "1")});
    Dialogs::presetAnswer(QMessageBox::Ok);
    click(&d, "pushButton_2");
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Znaleziono dwa elementy z tym samym ID"));
    QCOMPARE(d.result(), 0);

    d.setMenuRecords({rec("Group", "1", "Grupa", "0"), rec("Item", "../x", "Ucieczka", "1")});
    Dialogs::presetAnswer(QMessageBox::Ok);
    click(&d, "pushButton_2");
    QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("../x")));
    QCOMPARE(d.result(), 0);

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
    click(&dialog, "okBtn");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.record().kind, QStringLiteral("Item"));
    QCOMPARE(dialog.record().interval, 10);
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
    // Changes are kept only for an open project: the working folder is one.
    dir.write(QStringLiteral("config.xml"), "<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/><LastProject location=\""
                                                + dir.path().toUtf8() + "/\" name=\"p\"/></Config>");
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
