#include "dialogs.h"
#include "editordriving.h"
#include "schemeaddedit.h"
#include "schemesmanagement.h"
#include "schemevariables.h"

#include <QComboBox>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using namespace EditorDriving;

Q_DECLARE_METATYPE(MenuItemRecord)

namespace {

using Menu = QList<MenuItemRecord>;

MenuItemRecord rec(const char *kind, const char *id, const char *text, const char *parent)
{
    return {QString::fromLatin1(parent), QString::fromLatin1(kind), QString::fromUtf8(id), QString::fromUtf8(text)};
}

QTreeWidget *tree(QWidget *d) { return d->findChild<QTreeWidget *>(QStringLiteral("treeWidget")); }
QTreeWidgetItem *row(QWidget *d, const char *text) { return tree(d)->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive).value(0); }
void select(QWidget *d, const char *text) { clickRow(tree(d), row(d, text)); }

// Adds through the small dialog: a group, or a scheme when an ID is given.
void add(QWidget *d, const QString &name, const QString &schemeId = QString())
{
    QVERIFY(onModal([d] { press(d, "schemeAddBtn"); }, [&](QWidget *modal) {
        modal->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(schemeId.isNull() ? 0 : 1);
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

class TestMenuEditor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }
    void addingAndNumbering();
    void removingTakesItsOwnRowsOnly();
    void refusedOnConfirm_data();
    void refusedOnConfirm();
    void smallDialogsCheckNamesIdsAndFiles();
    void storedIntervalSurvives();
};

// Records may come before their group; a record whose group never comes,
// or that names a scheme as its group, goes to the top level. A group made
// third is 3 wherever it is dragged; what is added with a scheme selected
// goes beside it, and nothing can be dropped onto a scheme.
// (C is the fifth top-level row made: the two lost records come before it.)
void TestMenuEditor::addingAndNumbering()
{
    schemesManagement d;
    d.setMenuRecords({rec("Item", "k", "Kocioł", "2"), rec("Group", "1", "A", "0"), rec("Group", "2", "B", "0"),
                      rec("Item", "lost", "Zgubiony", "9"), rec("Item", "pod", "Pod", "k")});
    d.show();
    QCOMPARE(row(&d, "Kocioł")->parent(), row(&d, "B"));
    QVERIFY(!row(&d, "Zgubiony")->parent() && !row(&d, "Pod")->parent());
    add(&d, "C");
    tree(&d)->insertTopLevelItem(0, tree(&d)->takeTopLevelItem(tree(&d)->indexOfTopLevelItem(row(&d, "C"))));
    select(&d, "C");
    add(&d, "C1");
    select(&d, "C");
    add(&d, "C2");
    select(&d, "C2");
    add(&d, "Schemat", "s1");
    select(&d, "Schemat");
    add(&d, "Obok", "s2");
    const QModelIndex scheme = tree(&d)->model()->index(0, 0, tree(&d)->model()->index(1, 0, tree(&d)->model()->index(0, 0)));
    QCOMPARE(scheme.data().toString(), QStringLiteral("Schemat"));
    QVERIFY(!(tree(&d)->model()->flags(scheme) & Qt::ItemIsDropEnabled));
    QVERIFY(tree(&d)->model()->flags(scheme.parent()) & Qt::ItemIsDropEnabled);
    press(&d, "pushButton_2");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(records(d.menuRecords()), QStringList({"Kocioł:k<2", "A:1<0", "B:2<0", "Zgubiony:lost<0", "Pod:pod<0", "C:5<0",
                                                    "C1:5.1<5", "C2:5.2<5", "Schemat:s1<5.2", "Obok:s2<5.2"}));
}

// Removing group 1 keeps what group 10 holds; removing a group not numbered
// yet keeps the other new groups, whose IDs are empty too.
void TestMenuEditor::removingTakesItsOwnRowsOnly()
{
    schemesManagement d;
    d.setMenuRecords({rec("Group", "1", "Jeden", "0"), rec("Group", "1.1", "Jeden.1", "1"), rec("Item", "a", "A", "1.1"),
                      rec("Group", "10", "Dziesięć", "0"), rec("Item", "b", "B", "10")});
    d.show();
    select(&d, "Jeden");
    press(&d, "schemeRemoveBtn");
    QVERIFY(!button(&d, "schemeRemoveBtn")->isEnabled());
    add(&d, "Nowa1");
    add(&d, "Nowa2");
    select(&d, "Nowa2");
    add(&d, "Pod2");
    QVERIFY(openRow(tree(&d), row(&d, "Nowa1"), [](QWidget *modal) {
        QVERIFY(!modal->findChild<QComboBox *>(QStringLiteral("comboBox"))->isEnabled());
        type(modal, "groupName", QStringLiteral("Inna"));
        press(modal, "okBtn");
    }));
    select(&d, "Nowa2");
    press(&d, "schemeRemoveBtn");
    QCOMPARE(records(d.menuRecords()), QStringList({"Dziesięć:10<0", "B:b<10", "Inna:<0"}));
}

void TestMenuEditor::refusedOnConfirm_data()
{
    QTest::addColumn<Menu>("menu");
    QTest::addColumn<QString>("message");
    const QString twice = QStringLiteral("Znaleziono dwa elementy z tym samym ID");
    QTest::newRow("a group's number") << Menu{rec("Group", "1", "G", "0"), rec("Item", "1", "S", "1")} << twice;
    // The new group becomes 1.1 in this very confirmation.
    QTest::newRow("a number given now") << Menu{rec("Group", "1", "G", "0"), rec("Group", "", "N", "1"), rec("Item", "1.1", "S", "1")} << twice;
    QTest::newRow("two schemes") << Menu{rec("Item", "k", "S1", "0"), rec("Item", "k", "S2", "0")} << twice;
    QTest::newRow("outside the folder") << Menu{rec("Item", "../x", "S", "0")} << QStringLiteral("„../x”");
    QTest::newRow("empty") << Menu{rec("Item", "", "S", "0")} << QStringLiteral("„”");
    for (const char *id : {"deviceList", "MENULIST", "CON", "com1.txt", "k.", "k "})
        QTest::newRow(id) << Menu{rec("Item", id, "S", "0")} << QStringLiteral("„%1”").arg(QLatin1String(id));
}

void TestMenuEditor::refusedOnConfirm()
{
    QFETCH(Menu, menu);
    QFETCH(QString, message);
    schemesManagement d;
    d.setMenuRecords(menu);
    Dialogs::presetAnswer(QMessageBox::Ok);
    press(&d, "pushButton_2");
    QCOMPARE(Dialogs::shown().size(), 1);
    QVERIFY2(Dialogs::shown().last().text.contains(message), qPrintable(Dialogs::shown().last().text));
    QCOMPARE(d.result(), 0);
    QCOMPARE(d.menuRecords(), menu); // nothing written back
}

void TestMenuEditor::smallDialogsCheckNamesIdsAndFiles()
{
    // Two groups may not share a name, nor two schemes; a group and a scheme may.
    schemeAddEdit dialog;
    dialog.setOtherRecords({rec("Group", "1", "Kotłownia", "0"), rec("Item", "k", "Kocioł", "1")});
    type(&dialog, "groupName", QStringLiteral("Kotłownia"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    press(&dialog, "okBtn");
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Element o podanej nazwie już istnieje"));
    dialog.findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(1);
    type(&dialog, "schemeName", QStringLiteral("Kotłownia"));
    // A scheme ID that cannot name its file is refused where it is typed.
    auto *editor = new schemeVariables(&dialog);
    editor->setRecord(rec("Item", "k", "Kocioł", "0"));
    for (QDialog *d : QList<QDialog *>{&dialog, editor}) {
        type(d, "schemeId", QStringLiteral("../k"));
        Dialogs::presetAnswer(QMessageBox::Ok);
        press(d, d == &dialog ? "okBtn" : "saveBtn");
        QVERIFY(Dialogs::shown().last().text.contains(QStringLiteral("„../k”")));
        QCOMPARE(d->result(), 0);
        type(d, "schemeId", QStringLiteral("k2"));
        press(d, d == &dialog ? "okBtn" : "saveBtn");
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
    QCOMPARE(records({dialog.record()}), QStringList(QStringLiteral("Kotłownia:k2<0")));
    QCOMPARE(dialog.record().interval, 10);
    // The QML file is kept relative to the project; one outside it is refused.
    dialog.setProjectFolder(QStringLiteral("/srv/obiekt/"));
    Dialogs::presetPath(QStringLiteral("/srv/obiekt/qml/kociol.qml"));
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    Dialogs::presetPath(QStringLiteral("/tmp/inny.qml"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QCOMPARE(dialog.record().qmlFile, QStringLiteral("qml/kociol.qml"));
    QCOMPARE(Dialogs::shown().last().kind, Dialogs::Warning);
}

// What a file holds stays through an unchanged OK, even what the box cannot
// show; 0 (back-to-back passes) can be set.
void TestMenuEditor::storedIntervalSurvives()
{
    MenuItemRecord r = rec("Item", "k", "Kocioł", "0");
    schemeAddEdit small;
    schemeVariables editor;
    for (int stored : {0, 5000000, -5, 2}) {
        r.interval = stored;
        small.setRecord(r);
        editor.setRecord(r);
        QCOMPARE(small.record().interval, stored);
        QCOMPARE(editor.record().interval, stored);
    }
    for (QDialog *d : QList<QDialog *>{&small, &editor})
        d->findChild<QSpinBox *>(QStringLiteral("updateInterval"))->setValue(0);
    QCOMPARE(small.record().interval + editor.record().interval, 0);
}

QTEST_MAIN(TestMenuEditor)
#include "tst_menueditor.moc"
