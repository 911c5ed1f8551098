#include "addplotdialog.h"
#include "deviceaddedit.h"
#include "devicedescription.h"
#include "devicemanagement.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qtcolorpicker.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "trendchart.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kAddress = TestNet::host(1);

QLineEdit *field(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void doubleClick(deviceAddEdit &editor, QTreeWidgetItem *row, int column)
{
    QMetaObject::invokeMethod(&editor, "on_varTree_itemDoubleClicked", Q_ARG(QTreeWidgetItem *, row), Q_ARG(int, column));
}

} // namespace

class TestDeviceEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void descriptionRules();
    void fullRead();
    void updateFollowsTheController();
    void onOffDoubleClickWrites();
    void integerPrompt();
    void readingTimeout();
    void chartLines();
    void confirmNeedsAllFields();
    void deviceList();
    void mainWindowTakesTheList();

private:
    void readFully(deviceAddEdit &editor, const QString &address = kAddress);

    SimServer *m_sim = nullptr;
};

void TestDeviceEditor::initTestCase()
{
    m_sim = SimControllers::start(this, kAddress, R"(
        <Variable name="kot.t1" type="phy_temperature" min="-400" max="1100" value="215"/>
        <Variable name="kot.pompa" type="on_off" modify="1" value="0"/>
        <Variable name="kot.zadana" type="int" modify="1" min="0" max="100" value="50"/>
        <Variable name="kot.opis" type="string" value="Kocioł"/>
        <Variable name="net.ip" type="ipquad" value="10.0.0.7"/>)", deviceAddEdit::kPort);
    m_sim->controller().mac = QStringLiteral("00:1a:2b:3c:4d:5e").split(QLatin1Char(':'));
    m_sim->controller().serial = QStringList({"12", "7", "A", "5"});
    m_sim->controller().version = QStringList({"2", "4", "1"});
}

void TestDeviceEditor::cleanup()
{
    ModalDriver::closeAllModals();
    Dialogs::reset();
}

void TestDeviceEditor::readFully(deviceAddEdit &editor, const QString &address)
{
    editor.setDeviceFields({address, QStringLiteral("Kotłownia"), QStringLiteral("K1"), QStringLiteral("16483")});
    editor.show();
    editor.on_lineEdit_editingFinished();
    QTRY_VERIFY(!editor.findChild<QProgressBar *>(QStringLiteral("dataReadProgressBar"))->isVisible());
}

void TestDeviceEditor::descriptionRules()
{
    const DeviceDescription d = DeviceDescription::parse(
        {"a.t1.type=int", "a.t1.modify=1", "a.t1.max=5", "b.x.y.type=on_off", "solo=3", "a.nolimits.type=int", ")", ""});
    QCOMPARE(d.groups, QStringList({"a", "b"}));
    QCOMPARE(d.parameters.size(), 3);
    QCOMPARE(d.parameters.at(0).name, QStringLiteral("a.t1"));
    QVERIFY(d.parameters.at(0).modify && d.parameters.at(0).hasMax && !d.parameters.at(0).hasMin);
    QCOMPARE(d.parameters.at(1).name, QStringLiteral("b.x.y"));
    QCOMPARE(d.parameters.at(1).group(), QStringLiteral("b"));
    QVERIFY(!d.parameters.at(2).modify); // no "modify": read-only
}

void TestDeviceEditor::fullRead()
{
    deviceAddEdit editor;
    readFully(editor);
    QCOMPARE(field(&editor, "macLineEdit")->text(), QStringLiteral("00:1a:2b:3c:4d:5e"));
    QCOMPARE(field(&editor, "serialLineEdit")->text(), QStringLiteral("0012-0007-A-000005"));
    QCOMPARE(field(&editor, "versionLineEdit")->text(), QStringLiteral("2.4.1"));
    auto *tree = editor.findChild<QTreeWidget *>(QStringLiteral("varTree"));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("kot"));
    QCOMPARE(tree->topLevelItem(0)->childCount(), 4);
    QTreeWidgetItem *t1 = editor.rowOf(QStringLiteral("kot.t1"));
    QCOMPARE(t1->text(1), QStringLiteral("21.5 \u00b0C"));
    QCOMPARE(t1->text(2), QStringLiteral("phy_temperature"));
    QCOMPARE(t1->text(4), QStringLiteral("1100"));
    QCOMPARE(t1->text(5), QStringLiteral("-400"));
    QCOMPARE(t1->background(0).color(), QColor(240, 240, 240)); // read-only
    QTreeWidgetItem *pump = editor.rowOf(QStringLiteral("kot.pompa"));
    QCOMPARE(pump->checkState(1), Qt::Unchecked);
    QVERIFY(pump->background(0).style() == Qt::NoBrush);
    QCOMPARE(pump->text(4), QString()); // no limits given: empty, not 0
    QCOMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("50"));
    QCOMPARE(editor.rowOf(QStringLiteral("kot.opis"))->text(1), QStringLiteral("Kocioł"));
    QCOMPARE(editor.rowOf(QStringLiteral("net.ip"))->text(1), QStringLiteral("10.0.0.7"));
    QVERIFY(!(pump->flags() & Qt::ItemIsUserCheckable));
    QVERIFY(editor.updateTimer()->isActive() || editor.updateLink());
}

void TestDeviceEditor::updateFollowsTheController()
{
    deviceAddEdit editor;
    readFully(editor);
    m_sim->controller().variable(QStringLiteral("kot.zadana"))->number = 61;
    QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("61"));
    m_sim->controller().variable(QStringLiteral("kot.zadana"))->number = 50;
}

void TestDeviceEditor::onOffDoubleClickWrites()
{
    deviceAddEdit editor;
    readFully(editor);
    const int before = m_sim->requestCount();
    doubleClick(editor, editor.rowOf(QStringLiteral("kot.pompa")), 0);
    QTRY_VERIFY(m_sim->commands().mid(before).contains(QStringLiteral("set(kot.pompa=1;);")));
    QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.pompa"))->checkState(1), Qt::Checked);
    doubleClick(editor, editor.rowOf(QStringLiteral("kot.pompa")), 1);
    QTRY_COMPARE(m_sim->controller().valueText(QStringLiteral("kot.pompa")), QStringLiteral("0"));
    // A group row or a temperature sends nothing and the update goes on.
    const int now = m_sim->requestCount();
    doubleClick(editor, editor.rowOf(QStringLiteral("kot")), 0);
    doubleClick(editor, editor.rowOf(QStringLiteral("kot.t1")), 0);
    QTest::qWait(300);
    for (const QString &c : m_sim->commands().mid(now))
        QCOMPARE(c, QStringLiteral("get_all;"));
    QVERIFY(m_sim->requestCount() > now);
}

void TestDeviceEditor::integerPrompt()
{
    deviceAddEdit editor;
    readFully(editor);
    int before = m_sim->requestCount();
    Dialogs::presetInteger(75);
    doubleClick(editor, editor.rowOf(QStringLiteral("kot.zadana")), 1);
    QTRY_VERIFY(m_sim->commands().mid(before).contains(QStringLiteral("set(kot.zadana=75;);")));
    QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("75"));
    before = m_sim->requestCount();
    Dialogs::presetInteger(QVariant()); // cancelled
    doubleClick(editor, editor.rowOf(QStringLiteral("kot.zadana")), 1);
    QTRY_VERIFY(m_sim->requestCount() > before + 2); // the update keeps polling
    for (const QString &c : m_sim->commands().mid(before))
        QCOMPARE(c, QStringLiteral("get_all;"));
    m_sim->controller().variable(QStringLiteral("kot.zadana"))->number = 50;
}

void TestDeviceEditor::readingTimeout()
{
    SimServer *silent = SimControllers::start(this, TestNet::host(2), QByteArray(), deviceAddEdit::kPort);
    silent->setFault(SimFault::Silent);
    deviceAddEdit editor;
    editor.readingLink()->setTimeoutMs(300);
    editor.setDeviceFields({TestNet::host(2), QStringLiteral("x"), QStringLiteral("X"), QString()});
    editor.show();
    editor.on_lineEdit_editingFinished();
    QCOMPARE(field(&editor, "macLineEdit")->text(), QStringLiteral("Odczytuje dane..."));
    QTRY_COMPARE(field(&editor, "macLineEdit")->text(), QStringLiteral("Brak połączenia ze sterownikiem"));
    QCOMPARE(field(&editor, "versionLineEdit")->text(), QStringLiteral("Brak połączenia ze sterownikiem"));
    QVERIFY(!editor.findChild<QProgressBar *>(QStringLiteral("dataReadProgressBar"))->isVisible());
}

void TestDeviceEditor::chartLines()
{
    deviceAddEdit editor;
    readFully(editor);
    ModalDriver driver([](QWidget *modal) {
        auto *dialog = qobject_cast<AddPlotDialog *>(modal);
        QCOMPARE(dialog->name(), QStringLiteral("kot.zadana"));
        dialog->findChild<QComboBox *>(QStringLiteral("lineStyleCombo"))->setCurrentIndex(1);
        dialog->colorPicker()->setCurrentColor(Qt::darkGreen);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    QTreeWidgetItem *row = editor.rowOf(QStringLiteral("kot.zadana"));
    doubleClick(editor, row, 3);
    QVERIFY(driver.ran());
    QCOMPARE(row->checkState(3), Qt::Checked);
    QtCharts::QLineSeries *series = editor.chart()->series(QStringLiteral("kot.zadana"));
    QVERIFY(series);
    QCOMPARE(series->pen().style(), Qt::DashLine);
    QCOMPARE(series->pen().color(), QColor(Qt::darkGreen));
    QTRY_VERIFY(series->count() >= 3); // points from the periodic update
    QCOMPARE(series->at(series->count() - 1).y(), 50.0);
    editor.chart()->track(editor.chart()->rect().center());
    QVERIFY(editor.chart()->trackerText().contains(QStringLiteral("kot.zadana = 50")));
    doubleClick(editor, row, 3); // unticked: the line goes
    QCOMPARE(row->checkState(3), Qt::Unchecked);
    QVERIFY(!editor.chart()->hasLine(QStringLiteral("kot.zadana")));
}

void TestDeviceEditor::confirmNeedsAllFields()
{
    deviceAddEdit editor;
    QCOMPARE(editor.deviceFields().first(), QStringLiteral("..."));
    editor.setDeviceFields({QString(), QStringLiteral("opis"), QStringLiteral("id"), QString()});
    Dialogs::presetAnswer(QMessageBox::Ok);
    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    QCOMPARE(Dialogs::shown().size(), 1);
    QCOMPARE(Dialogs::shown().first().text, QStringLiteral("Wszystkie pola muszą być wypełnione"));
    QCOMPARE(editor.result(), 0);
    editor.setDeviceFields({QStringLiteral("10.0.0.1"), QStringLiteral("opis"), QStringLiteral("id"), QString()});
    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(editor.deviceFields().mid(0, 4), QStringList({"10.0.0.1", "opis", "id", ""}));
}

void TestDeviceEditor::deviceList()
{
    deviceManagement dialog;
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
    auto *del = dialog.findChild<QPushButton *>(QStringLiteral("deleteDeviceButton"));
    dialog.setDevices({{QStringLiteral("A"), QStringLiteral("10.0.0.1"), QStringLiteral("1"), QStringLiteral("pierwszy")},
                       {QStringLiteral("A"), QStringLiteral("10.0.0.1"), QStringLiteral("1"), QStringLiteral("drugi")}});
    QCOMPARE(tree->topLevelItem(1)->text(3), QStringLiteral("drugi"));
    Dialogs::presetAnswer(QMessageBox::Ok);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Znaleziono dwa elementy z tym samym ID"));
    QCOMPARE(dialog.result(), 0);

    dialog.setDevices({{QStringLiteral("K1"), QStringLiteral("10.0.0.1"), QStringLiteral("16483"), QStringLiteral("Kotłownia")}});
    QVERIFY(!del->isEnabled());
    ModalDriver add([](QWidget *modal) {
        field(modal, "lineEdit")->setText(QStringLiteral("10.0.0.2"));
        field(modal, "lineEdit_2")->setText(QStringLiteral("Wentylacja"));
        field(modal, "lineEdit_3")->setText(QStringLiteral("W1"));
        field(modal, "lineEdit_4")->setText(QStringLiteral("1234"));
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("addDeviceButton")), Qt::LeftButton);
    QVERIFY(add.ran());
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(1)->text(2), QStringLiteral("1234"));

    tree->setCurrentItem(tree->topLevelItem(0));
    ModalDriver edit([](QWidget *modal) {
        QCOMPARE(field(modal, "lineEdit_3")->text(), QStringLiteral("K1"));
        field(modal, "lineEdit_2")->setText(QStringLiteral("Kotłownia nowa"));
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    });
    emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
    QVERIFY(edit.ran());
    QCOMPARE(dialog.devices().first(), (DeviceRecord{QStringLiteral("K1"), QStringLiteral("10.0.0.1"), QStringLiteral("16483"),
                                                     QStringLiteral("Kotłownia nowa")}));

    emit tree->itemClicked(tree->topLevelItem(1), 0);
    QVERIFY(del->isEnabled());
    tree->setCurrentItem(tree->topLevelItem(1));
    Dialogs::presetAnswer(QMessageBox::No);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(dialog.devices().size(), 2);
    QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Napewno chcesz usunąć sterownik z listy ?"));
    tree->setCurrentItem(tree->topLevelItem(1));
    Dialogs::presetAnswer(QMessageBox::Yes);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(dialog.devices().size(), 1);
    tree->setCurrentItem(nullptr); // no current row: nothing to delete
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(dialog.devices().size(), 1);

    dialog.setDevices({});
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDeviceEditor::mainWindowTakesTheList()
{
    TempWorkDir dir;
    dir.write(QStringLiteral("config.xml"), "<Config><AppSettings workspaceDir=\"/tmp\" Language=\"pl\"/></Config>");
    MainWindow w;
    ModalDriver driver([](QWidget *modal) {
        auto *d = qobject_cast<deviceManagement *>(modal);
        d->setDevices({{QStringLiteral("N"), QStringLiteral("10.1.1.1"), QString(), QStringLiteral("nowy")}});
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
    });
    w.findChild<QAction *>(QStringLiteral("actionDevices"))->trigger();
    QVERIFY(driver.ran());
    QCOMPARE(w.project().devices.size(), 1);
    QVERIFY(w.isModified());
    QVERIFY(w.findChild<QAction *>(QStringLiteral("actionSaveProject"))->isEnabled());
}

QTEST_MAIN(TestDeviceEditor)
#include "tst_deviceeditor.moc"
