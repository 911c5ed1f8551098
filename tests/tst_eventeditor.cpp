#include "dialogs.h"
#include "eventaddedit.h"
#include "eventitemaddedit.h"
#include "listitemaddedit.h"
#include "modaldriver.h"
#include "project.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray kScheme = "import QtQuick 1.1\nRectangle {\n signal itemClicked(string name)\n"
                           " MouseArea { onClicked: root.itemClicked(\"pompa1\") }\n"
                           " MouseArea { onClicked: root.itemClicked(\"pompa2\") }\n"
                           " MouseArea { onClicked: root.itemClicked(\"pompa2\") }\n}\n";
const QByteArray kVariables = R"(<Variable name="t1" type="int" modify="1"/>
    <Variable name="t2" type="int" modify="1"/><Variable name="t3" type="int" modify="1"/>)";

EventItemRecord item(const QString &type, const QString &property, const QString &device, const QString &name)
{
    EventItemRecord i;
    i.type = type;
    i.property = property;
    i.device = device;
    i.name = name;
    return i;
}

} // namespace

class TestEventEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void eventNamesFromTheScene();
    void variablesOfOtherItemsAreNotOffered();
    void schemeItemsComeLast();
    void closingAnEditKeepsTheItems();
    void choicesKeepTheirValuesApart();
    void schemeIdsOfTheFolder();
    void silentControllerIsTold();
    void eventRoundTrip();

private:
    EventAddEdit *newEventDialog(const QStringList &used = {});

    SimServer *m_a = nullptr;
    SimServer *m_b = nullptr;
    SimServer *m_silent = nullptr;
    DeviceList m_devices;
    TempWorkDir *m_dir = nullptr;
    QString m_folder;
};

void TestEventEditor::initTestCase()
{
    m_a = SimControllers::start(this, TestNet::host(5), kVariables, VariableCatalogRequest::kPort);
    m_b = SimControllers::start(this, TestNet::host(6), kVariables, VariableCatalogRequest::kPort);
    m_silent = SimControllers::start(this, TestNet::host(7), QByteArray(), VariableCatalogRequest::kPort);
    m_silent->setFault(SimFault::Silent);
    m_devices = {{QStringLiteral("Kocioł 1"), TestNet::host(5), QString(), QStringLiteral("A")},
                 {QStringLiteral("K2"), TestNet::host(6), QString(), QStringLiteral("B")},
                 {QStringLiteral("K3"), TestNet::host(7), QString(), QStringLiteral("cichy")}};
}

void TestEventEditor::init()
{
    m_dir = new TempWorkDir;
    m_folder = m_dir->path() + QLatin1Char('/');
    m_dir->write(QStringLiteral("scene.qml"), kScheme);
}

void TestEventEditor::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
    delete m_dir;
}

EventAddEdit *TestEventEditor::newEventDialog(const QStringList &used)
{
    auto *d = new EventAddEdit;
    d->setAttribute(Qt::WA_DeleteOnClose);
    MenuItemRecord scheme;
    scheme.kind = QStringLiteral("Item");
    scheme.id = QStringLiteral("scene");
    scheme.qmlFile = QStringLiteral("scene.qml");
    d->setUsedEventNames(used);
    d->setDevices(m_devices);
    d->setProjectFolder(m_folder);
    d->setScheme(scheme);
    return d;
}

void TestEventEditor::eventNamesFromTheScene()
{
    QScopedPointer<EventAddEdit> d(newEventDialog({QStringLiteral("pompa1")}));
    QCOMPARE(comboItems(child<QComboBox>(d.data(), "comboBox")), QStringList(QStringLiteral("pompa2")));
    QCOMPARE(d->event().name, QStringLiteral("pompa2"));
}

void TestEventEditor::variablesOfOtherItemsAreNotOffered()
{
    EventItemAddEdit d;
    d.setDevices(m_devices);
    d.setOtherItems({item("int", "t2", "Kocioł 1", "x")});
    d.setProjectFolder(m_folder);
    child<QComboBox>(&d, "comboBox_2")->setCurrentIndex(0); // an ID with a space is found all the same
    QTRY_COMPARE(comboItems(child<QComboBox>(&d, "comboBox_3")), QStringList({"t1", "t3"}));
    QCOMPARE(child<QComboBox>(&d, "comboBox_5")->currentIndex(), 0);
    QCOMPARE(comboItems(child<QComboBox>(&d, "comboBox_6")), QStringList({"t1", "t3"}));
    child<QComboBox>(&d, "comboBox_2")->setCurrentIndex(1);
    QTRY_COMPARE(comboItems(child<QComboBox>(&d, "comboBox_3")), QStringList({"t1", "t2", "t3"}));
    child<QComboBox>(&d, "comboBox_3")->setCurrentIndex(1);
    child<QLineEdit>(&d, "lineEdit")->setText(QStringLiteral("Nastawa"));
    child<QComboBox>(&d, "typeCombo")->setCurrentIndex(3);
    QTest::mouseClick(child<QPushButton>(&d, "okButton"), Qt::LeftButton);
    QCOMPARE(d.item(), item("temp", "t2", "K2", "Nastawa"));
}

void TestEventEditor::schemeItemsComeLast()
{
    QScopedPointer<EventAddEdit> d(newEventDialog());
    auto *add = child<QPushButton>(d.data(), "addButton");
    ModalDriver driver([](QWidget *modal) {
        child<QComboBox>(modal, "typeCombo")->setCurrentIndex(7);
        QTest::mouseClick(child<QPushButton>(modal, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(add, Qt::LeftButton);
    QVERIFY(driver.ran());
    QCOMPARE(d->event().items.size(), 1);
    QCOMPARE(d->event().items.first(), item("scheme", "scene", "-", "-"));
    QVERIFY(!add->isEnabled());
    auto *tree = child<QTreeWidget>(d.data(), "treeWidget");
    emit tree->itemClicked(tree->topLevelItem(0), 0);
    QTest::mouseClick(child<QPushButton>(d.data(), "delButton"), Qt::LeftButton);
    QVERIFY(d->event().items.isEmpty());
    QVERIFY(add->isEnabled());
}

void TestEventEditor::closingAnEditKeepsTheItems()
{
    QScopedPointer<EventAddEdit> d(newEventDialog());
    const EventRecord event{QStringLiteral("pompa2"), {item("logic", "t1", "K2", "Pompa"), item("int", "t3", "K2", "Nastawa")}};
    d->setEvent(event);
    ModalDriver driver([](QWidget *modal) {
        QVERIFY(!child<QComboBox>(modal, "typeCombo")->isEnabled());
        child<QLineEdit>(modal, "lineEdit")->setText(QStringLiteral("zmienione"));
        QTest::mouseClick(child<QPushButton>(modal, "closeButton"), Qt::LeftButton);
    });
    auto *tree = child<QTreeWidget>(d.data(), "treeWidget");
    emit tree->itemClicked(tree->topLevelItem(1), 0);
    emit tree->itemDoubleClicked(tree->topLevelItem(1), 0);
    QVERIFY(driver.ran());
    QCOMPARE(d->event(), event);
}

void TestEventEditor::choicesKeepTheirValuesApart()
{
    EventItemAddEdit d;
    d.setDevices(m_devices);
    child<QComboBox>(&d, "typeCombo")->setCurrentIndex(5);
    QVERIFY(child<QPushButton>(&d, "addButton")->isVisibleTo(&d));
    const auto addChoice = [&d](const QString &value, const QString &name) {
        ModalDriver driver([&](QWidget *modal) {
            child<QLineEdit>(modal, "lineEdit")->setText(value);
            child<QLineEdit>(modal, "lineEdit_2")->setText(name);
            QTest::mouseClick(child<QPushButton>(modal, "pushButton"), Qt::LeftButton);
            if (modal->isVisible())
                QTest::mouseClick(child<QPushButton>(modal, "pushButton_2"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&d, "addButton"), Qt::LeftButton);
    };
    addChoice(QStringLiteral("1"), QStringLiteral("Włącz"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    addChoice(QStringLiteral("1"), QStringLiteral("Znowu"));
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Podana wartość została już przypisana, proszę wprowadzić inną wartość."));
    addChoice(QStringLiteral("0"), QStringLiteral("Wyłącz"));
    auto *tree = child<QTreeWidget>(&d, "treeWidget");
    QCOMPARE(tree->topLevelItemCount(), 2);
    // Editing "1" and keeping its value is fine.
    emit tree->itemClicked(tree->topLevelItem(0), 0);
    ModalDriver edit([](QWidget *modal) {
        QCOMPARE(child<QLineEdit>(modal, "lineEdit")->text(), QStringLiteral("1"));
        child<QLineEdit>(modal, "lineEdit_2")->setText(QStringLiteral("Załącz"));
        QTest::mouseClick(child<QPushButton>(modal, "pushButton"), Qt::LeftButton);
    });
    emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
    QVERIFY(edit.ran());
    QTest::mouseClick(child<QPushButton>(&d, "okButton"), Qt::LeftButton);
    QCOMPARE(d.item().type, QStringLiteral("combo"));
    QCOMPARE(d.item().listValues, (QList<ListValueRecord>{{QStringLiteral("1"), QStringLiteral("Załącz")},
                                                          {QStringLiteral("0"), QStringLiteral("Wyłącz")}}));
}

void TestEventEditor::schemeIdsOfTheFolder()
{
    for (const char *f : {"deviceList.xml", "menuList.xml", "project.xml", "k1.xml", "K2.xml"})
        m_dir->write(QString::fromLatin1(f), "<x/>");
    QDir(m_dir->path()).mkdir(QStringLiteral("qml.d"));
    QCOMPARE(EventItemAddEdit::schemeIds(m_folder), QStringList({"k1", "K2", "scene"}));
}

void TestEventEditor::silentControllerIsTold()
{
    EventItemAddEdit d;
    d.link()->setTimeoutMs(300);
    d.setDevices(m_devices);
    child<QComboBox>(&d, "comboBox_2")->setCurrentIndex(2);
    QCOMPARE(d.cursor().shape(), Qt::WaitCursor);
    QTRY_COMPARE(child<QLabel>(&d, "statusLabel")->text(), QStringLiteral("Sterownik nie odpowiada"));
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
}

void TestEventEditor::eventRoundTrip()
{
    QScopedPointer<EventAddEdit> d(newEventDialog());
    ModalDriver add([](QWidget *modal) {
        child<QComboBox>(modal, "typeCombo")->setCurrentIndex(2);
        child<QComboBox>(modal, "comboBox_2")->setCurrentIndex(1);
        QTRY_VERIFY(child<QComboBox>(modal, "comboBox_3")->count() == 3);
        child<QLineEdit>(modal, "lineEdit")->setText(QStringLiteral("Pompa"));
        QTest::mouseClick(child<QPushButton>(modal, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(d.data(), "addButton"), Qt::LeftButton);
    QVERIFY(add.ran());
    QTest::mouseClick(child<QPushButton>(d.data(), "okButton"), Qt::LeftButton);
    const EventRecord event = d->event();
    QCOMPARE(event.items, QList<EventItemRecord>({item("logic", "t1", "K2", "Pompa")}));

    MenuItemRecord scheme;
    scheme.kind = QStringLiteral("Item");
    scheme.id = QStringLiteral("scene");
    scheme.text = QStringLiteral("Scena");
    scheme.qmlFile = QStringLiteral("scene.qml");
    scheme.events = {event};
    Project project;
    project.location = m_folder;
    project.menu = {scheme};
    QVERIFY(project.save(QStringLiteral("v 0.8.12")).isEmpty());
    Project reopened;
    reopened.load(m_folder);
    QCOMPARE(reopened.menu, project.menu);
}

QTEST_MAIN(TestEventEditor)
#include "tst_eventeditor.moc"
