#include "addplotdialog.h"
#include "colorpickerbutton.h"
#include "colorpickeritem.h"
#include "colorpickerpopup.h"
#include "deviceaddedit.h"
#include "devicemanagement.h"
#include "editordriving.h"
#include "qtcolorpicker.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "testnet.h"
#include "trendchart.h"

#include <QLineSeries>
#include <QProgressBar>
#include <QScreen>
#include <QtTest>

using namespace EditorDriving;

namespace {

void doubleClick(deviceAddEdit &editor, const char *row, int column)
{
    QMetaObject::invokeMethod(&editor, "on_varTree_itemDoubleClicked", Q_ARG(QTreeWidgetItem *, editor.rowOf(QString::fromLatin1(row))),
                              Q_ARG(int, column));
}

bool progressShown(QWidget *editor) { return child<QProgressBar>(editor, "dataReadProgressBar")->isVisible(); }

} // namespace

class TestDeviceEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_sim = SimControllers::start(this, TestNet::host(1), R"(
            <Variable name="kot.t1" type="phy_temperature" min="-400" max="1100" value="215"/>
            <Variable name="kot.pompa" type="on_off" modify="1" value="0"/>
            <Variable name="kot.zadana" type="int" modify="1" min="0" max="100" value="50"/>
            <Variable name="kot.opis" type="string" value="Kocioł"/>
            <Variable name="net.ip" type="ipquad" value="10.0.0.7"/>)", deviceAddEdit::kPort);
        m_sim->controller().mac = QStringList({"00", "1a", "2b", "3c", "4d", "5e"});
        m_sim->controller().serial = QStringList({"12", "7", "A", "5"});
        m_sim->controller().version = QStringList({"2", "4", "1"});
        SimControllers::start(this, TestNet::host(2), QByteArray(), deviceAddEdit::kPort)->setFault(SimFault::Silent);
    }

    void cleanup() { ModalDriver::closeAllModals(); Dialogs::reset(); }
    // A full read, the periodic update, writes and chart lines on one live
    // controller.
    void readsUpdatesAndWrites()
    {
        deviceAddEdit editor;
        editor.setDeviceFields({TestNet::host(1), "Kotłownia", "K1", "16483"});
        editor.show();
        editor.on_lineEdit_editingFinished();
        QTRY_VERIFY(!progressShown(&editor));
        QCOMPARE(QStringList({text(&editor, "macLineEdit"), text(&editor, "serialLineEdit"), text(&editor, "versionLineEdit")}),
                 QStringList({"00:1a:2b:3c:4d:5e", "0012-0007-A-000005", "2.4.1"}));
        QTreeWidgetItem *t1 = editor.rowOf(QStringLiteral("kot.t1"));
        QCOMPARE(t1->parent()->childCount(), 4);
        QCOMPARE(QStringList({t1->text(1), t1->text(2), t1->text(4), t1->text(5)}), QStringList({"21.5 \u00b0C", "phy_temperature", "1100", "-400"}));
        QTreeWidgetItem *pump = editor.rowOf(QStringLiteral("kot.pompa"));
        QCOMPARE(pump->checkState(1), Qt::Unchecked);
        QVERIFY(!(pump->flags() & Qt::ItemIsUserCheckable));
        QCOMPARE(pump->text(4), QString()); // no limits given: empty, not 0
        QCOMPARE(editor.rowOf(QStringLiteral("kot.opis"))->text(1) + editor.rowOf(QStringLiteral("net.ip"))->text(1), QStringLiteral("Kocioł10.0.0.7"));
        m_sim->controller().variable(QStringLiteral("kot.zadana"))->number = 61;
        QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("61"));

        // On/off rows toggle, integer rows ask; a group or temperature row, or a
        // cancelled prompt, sends nothing and the update goes on.
        int before = m_sim->requestCount();
        doubleClick(editor, "kot.pompa", 0);
        QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.pompa"))->checkState(1), Qt::Checked);
        Dialogs::presetInteger(75);
        doubleClick(editor, "kot.zadana", 1);
        QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("75"));
        QCOMPARE(setsSince(before), QStringList({"set(kot.pompa=1;);", "set(kot.zadana=75;);"}));
        before = m_sim->requestCount();
        Dialogs::presetInteger(QVariant());
        for (const char *row : {"kot", "kot.t1", "kot.zadana"})
            doubleClick(editor, row, 0);
        QTRY_VERIFY(m_sim->requestCount() > before + 2);
        QVERIFY(setsSince(before).isEmpty());

        // A ticked row gets a line drawn as chosen; the picker shows Black, and
        // the line is black whether Black is picked again or not.
        for (const QColor &pick : {QColor(Qt::darkGreen), QColor(), QColor(Qt::black)}) {
            QVERIFY(onModal([&] { doubleClick(editor, "kot.zadana", 3); }, [&](QWidget *modal) {
                auto *dialog = qobject_cast<AddPlotDialog *>(modal);
                QCOMPARE(dialog->colorPicker()->text(), QStringLiteral("Black"));
                combo(dialog, "lineStyleCombo")->setCurrentIndex(1);
                dialog->colorPicker()->setCurrentColor(pick);
                press(modal, "okButton");
            }));
            QCOMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->checkState(3), Qt::Checked);
            QtCharts::QLineSeries *series = editor.chart()->series(QStringLiteral("kot.zadana"));
            QCOMPARE(series->pen().style(), Qt::DashLine);
            QCOMPARE(series->pen().color(), pick.isValid() ? pick : QColor(Qt::black));
            QTRY_VERIFY(series->count() >= 2); // points from the periodic update
            editor.chart()->track(editor.chart()->rect().center());
            QVERIFY(editor.chart()->trackerText().contains(QStringLiteral("kot.zadana = 75")));
            doubleClick(editor, "kot.zadana", 3); // unticked: the line goes
            QVERIFY(!editor.chart()->hasLine(QStringLiteral("kot.zadana")));
        }
    }

    void deviceList()
    {
        deviceManagement dialog;
        auto *tree = child<QTreeWidget>(&dialog, "treeWidget");
        auto *del = button(&dialog, "deleteDeviceButton");
        const DeviceRecord first{"A", "10.0.0.1", "1", "pierwszy"};
        dialog.setDevices({first, {"A", "10.0.0.1", "1", "drugi"}});
        dialog.show();
        QCOMPARE(refusal(&dialog, "saveButton"), QStringLiteral("Znaleziono dwa elementy z tym samym ID"));
        QCOMPARE(dialog.result(), 0);
        // With an ID twice, the row double-clicked is the one edited.
        QVERIFY(openRow(tree, tree->topLevelItem(1), [](QWidget *modal) {
            QCOMPARE(text(modal, "lineEdit_2"), QStringLiteral("drugi"));
            type(modal, "lineEdit_3", QStringLiteral("B"));
            press(modal, "pushButton");
        }));
        QCOMPARE(dialog.devices(), (DeviceList{first, {"B", "10.0.0.1", "1", "drugi"}}));
        // A new controller that stays silent is shown as not reached; fields
        // left empty are refused on confirm.
        QVERIFY(onModal([&] { press(&dialog, "addDeviceButton"); }, [](QWidget *modal) {
            auto *editor = qobject_cast<deviceAddEdit *>(modal);
            editor->readingLink()->setTimeoutMs(300);
            editor->setDeviceFields({TestNet::host(2), "x", "X", QString()});
            editor->on_lineEdit_editingFinished();
            QCOMPARE(text(editor, "macLineEdit"), QStringLiteral("Odczytuje dane..."));
            QTRY_COMPARE(text(editor, "versionLineEdit"), QStringLiteral("Brak połączenia ze sterownikiem"));
            QVERIFY(!progressShown(editor));
            editor->setDeviceFields({QString(), "opis", "id", QString()});
            QCOMPARE(refusal(editor, "pushButton"), QStringLiteral("Wszystkie pola muszą być wypełnione"));
            QCOMPARE(editor->result(), 0);
            editor->setDeviceFields({"10.0.0.2", "Wentylacja", "W1", "1234"});
            press(editor, "pushButton");
        }));
        QCOMPARE(tree->topLevelItem(2)->text(2), QStringLiteral("1234"));
        // The question names the controller; No keeps it.
        clickRow(tree, tree->topLevelItem(2));
        Dialogs::presetAnswer(QMessageBox::No);
        press(&dialog, "deleteDeviceButton");
        QCOMPARE(Dialogs::shown().last().text, QStringLiteral("Napewno chcesz usunąć sterownik z listy ?\n\nW1 (10.0.0.2) Wentylacja"));
        QCOMPARE(dialog.devices().size(), 3);
        Dialogs::presetAnswer(QMessageBox::Yes);
        press(&dialog, "deleteDeviceButton");
        QCOMPARE(dialog.devices().size(), 2);
        // Closed with Esc after a click: the next use starts with nothing
        // selected, and a current row nobody selected is not removed.
        clickRow(tree, tree->topLevelItem(0));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.setDevices({first});
        dialog.show();
        QVERIFY(!del->isEnabled());
        tree->setCurrentItem(tree->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
        del->setEnabled(true);
        press(&dialog, "deleteDeviceButton");
        QCOMPARE(dialog.devices(), DeviceList{first});
    }

    // 17 standard colours, the popup inside the desktop; a colour
    // not in the grid, set or from the dialog, is added once as "Custom"; a
    // cancelled dialog changes nothing.
    void choosingColours()
    {
        QWidget window;
        const QRect desktop = window.screen()->virtualGeometry();
        window.setGeometry(desktop.right() - 120, desktop.bottom() - 60, 110, 50);
        QtColorPicker picker(&window);
        picker.setStandardColors();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        picker.setChecked(true);
        QVERIFY(desktop.contains(picker.popup()->frameGeometry()));
        QTest::mouseClick(picker.popup()->items().at(2), Qt::LeftButton);
        QCOMPARE(picker.currentColor(), QColor(Qt::red));
        QVERIFY(!picker.popup()->isVisible() && !picker.isChecked());
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        for (const QColor &c : {QColor(12, 34, 56), QColor(12, 34, 56), QColor()})
            picker.setCurrentColor(c);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker.text(), QStringLiteral("Custom"));
        QVERIFY(picker.popup()->items().last()->isSelected());
        picker.setCurrentColor(Qt::blue);
        QCOMPARE(picker.text(), QStringLiteral("Blue"));
        QCOMPARE(picker.popup()->items().size(), 18);
        Dialogs::presetColor(QColor(200, 100, 50));
        QTest::keyClick(picker.popup()->moreButton(), Qt::Key_Space);
        QCOMPARE(picker.currentColor(), QColor(200, 100, 50));
        Dialogs::presetColor(QColor());
        QTest::mouseClick(picker.popup()->moreButton(), Qt::LeftButton);
        QCOMPARE(changed.count(), 3);
    }

private:
    QStringList setsSince(int before) const { return m_sim->commands().mid(before).filter(QStringLiteral("set(")); }

    SimServer *m_sim = nullptr;
};

QTEST_MAIN(TestDeviceEditor)
#include "tst_deviceeditor.moc"
