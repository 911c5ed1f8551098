#include "addplotdialog.h"
#include "colorpickerbutton.h"
#include "colorpickeritem.h"
#include "colorpickerpopup.h"
#include "deviceaddedit.h"
#include "devicemanagement.h"
#include "editordriving.h"
#include "passwordhash.h"
#include "qtcolorpicker.h"
#include "qteskcmd.h"
#include "simcontrollers.h"
#include "testnet.h"
#include "trendchart.h"
#include "usersession.h"

#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QScreen>
#include <QtTest>
#include <qwt_date.h>
#include <qwt_legend_data.h>
#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_draw.h>

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
        QStringList written;
        connect(&editor, &deviceAddEdit::written, this, [&written](const WriteOutcome &o) {
            written << QStringList({o.controller, o.variable, o.before, o.sent, o.confirmed,
                                    QString::number(int(o.result))})
                           .join(' ');
        });
        doubleClick(editor, "kot.pompa", 0);
        QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.pompa"))->checkState(1), Qt::Checked);
        Dialogs::presetInteger(75);
        doubleClick(editor, "kot.zadana", 1);
        QTRY_COMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->text(1), QStringLiteral("75"));
        QCOMPARE(setsSince(before), QStringList({"set(kot.pompa=1;);", "set(kot.zadana=75;);"}));
        QCOMPARE(written, QStringList({"K1 kot.pompa 0 1 1 0", "K1 kot.zadana 61 75 75 0"}));
        // Beyond the controller's limit the value kept is told, not the one sent.
        Dialogs::presetInteger(150);
        doubleClick(editor, "kot.zadana", 1);
        QTRY_COMPARE(written.size(), 3);
        QCOMPARE(written.last(), QStringLiteral("K1 kot.zadana 75 150 100 2"));

        // Nobody logged in at a station with users may only watch: the
        // editor refuses the write and sends nothing.
        UserSession viewer;
        viewer.setUsers({{"jan", "Jan", "engineer", PasswordHash::make("haslo-jana")}});
        editor.setSession(&viewer);
        before = m_sim->requestCount();
        Dialogs::presetAnswer(QMessageBox::Ok);
        doubleClick(editor, "kot.pompa", 0);
        QCOMPARE(Dialogs::shown().value(0).text,
                 QStringLiteral("Zapis wartości z edytora sterownika wymaga roli „inżynier” lub wyższej. "
                                "Nikt nie jest zalogowany."));
        QTest::qWait(200);
        QVERIFY(setsSince(before).isEmpty());
        QCOMPARE(editor.rowOf(QStringLiteral("kot.pompa"))->checkState(1), Qt::Checked);
        editor.setSession(nullptr);
        Dialogs::reset();
        m_sim->controller().variable(QStringLiteral("kot.zadana"))->number = 75;
        before = m_sim->requestCount();
        Dialogs::presetInteger(QVariant());
        for (const char *row : {"kot", "kot.t1", "kot.zadana"})
            doubleClick(editor, row, 0);
        QTRY_VERIFY(m_sim->requestCount() > before + 2);
        QVERIFY(setsSince(before).isEmpty());

        // A ticked row gets a line drawn as the dialog says: its name, line
        // style, interpolation (the dialog offers none: straight from point to
        // point), width and colour. The picker shows Black, and the line is
        // black whether Black is picked again or not. The line is in the
        // legend, and the mouse over the plot tells its value.
        auto *tabs = child<QTabWidget>(&editor, "tabWidget");
        TrendChart *chart = editor.chart();
        struct Drawn
        {
            QColor pick;
            int lineStyle;
            Qt::PenStyle penStyle;
            double width;
            QString name;
        };
        const QList<Drawn> choices{{QColor(Qt::darkGreen), 1, Qt::DashLine, 2.4, QStringLiteral("Zadana kotła")},
                                   {QColor(), 2, Qt::DashDotLine, 1.0, QString()},
                                   {QColor(Qt::black), 0, Qt::SolidLine, 3.0, QStringLiteral("Zadana")}};
        for (const Drawn &d : choices) {
            tabs->setCurrentIndex(1);
            QVERIFY(onModal([&] { doubleClick(editor, "kot.zadana", 3); }, [&](QWidget *modal) {
                auto *dialog = qobject_cast<AddPlotDialog *>(modal);
                QCOMPARE(text(dialog, "lineEdit"), QStringLiteral("kot.zadana"));
                QCOMPARE(dialog->colorPicker()->text(), QStringLiteral("Black"));
                QCOMPARE(combo(dialog, "interpolationCombo")->count(), 1);
                if (!d.name.isNull())
                    type(dialog, "lineEdit", d.name);
                combo(dialog, "lineStyleCombo")->setCurrentIndex(d.lineStyle);
                child<QDoubleSpinBox>(dialog, "doubleSpinBox")->setValue(d.width);
                dialog->colorPicker()->setCurrentColor(d.pick);
                press(modal, "okButton");
            }));
            const QString name = d.name.isNull() ? QStringLiteral("kot.zadana") : d.name;
            QCOMPARE(editor.rowOf(QStringLiteral("kot.zadana"))->checkState(3), Qt::Checked);
            QwtPlotCurve *curve = chart->curve(QStringLiteral("kot.zadana"));
            QVERIFY(curve && curve->plot() == chart);
            QCOMPARE(curve->title().text(), name);
            QCOMPARE(curve->pen().style(), d.penStyle);
            QCOMPARE(curve->pen().widthF(), d.width);
            QCOMPARE(curve->pen().color(), d.pick.isValid() ? d.pick : QColor(Qt::black));
            QCOMPARE(curve->style(), QwtPlotCurve::Lines);
            QVERIFY(!curve->testCurveAttribute(QwtPlotCurve::Fitted));
            QTRY_VERIFY(curve->dataSize() >= 2); // points from the periodic update
            QCOMPARE(curve->sample(int(curve->dataSize()) - 1).y(), 75.0);
            QStringList legend;
            for (const QwtLegendLabel *label : chart->findChildren<QwtLegendLabel *>()) {
                if (!label->isHidden())
                    legend << label->data().title().text();
            }
            QCOMPARE(legend, QStringList(name));

            // The chart's tab shown, the mouse goes over the middle of the plot.
            tabs->setCurrentIndex(2);
            QVERIFY(chart->canvas()->isVisible());
            // (From outside it: a move to where the mouse already is would not
            // be a move.)
            QTest::mouseMove(editor.windowHandle(), QPoint(1, 1));
            QTest::mouseMove(editor.windowHandle(), chart->canvas()->mapTo(&editor, chart->canvas()->rect().center()));
            QTRY_VERIFY2(chart->trackerText().contains(name + QStringLiteral(" = 75")), qPrintable(chart->trackerText()));
            // The time under the mouse is about 2.5 minutes ago.
            const QTime at = QTime::fromString(chart->trackerText().section(QStringLiteral("   "), 0, 0), QStringLiteral("hh:mm:ss"));
            const int ago = (at.secsTo(QTime::currentTime()) + 86400) % 86400;
            QVERIFY2(qAbs(ago - TrendChart::kWindowSeconds / 2) < 30, qPrintable(chart->trackerText()));

            tabs->setCurrentIndex(1);
            doubleClick(editor, "kot.zadana", 3); // unticked: the line goes
            QVERIFY(!chart->hasLine(QStringLiteral("kot.zadana")));
            QVERIFY(!chart->curve(QStringLiteral("kot.zadana")));
            QVERIFY(chart->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
        }
    }

    // The time axis shows the last window only: older points go when it
    // moves, and a line without a colour gets one no other line has.
    void chartWindow()
    {
        TrendChart chart;
        chart.addLine(QStringLiteral("a"), {QString(), 0, TrendChart::NoInterpolation, 1.0, QColor()});
        chart.addLine(QStringLiteral("b"), {QStringLiteral("B"), 0, TrendChart::NoInterpolation, 1.0, QColor()});
        QVERIFY(chart.curve(QStringLiteral("a"))->pen().color().isValid());
        QVERIFY(chart.curve(QStringLiteral("a"))->pen().color() != chart.curve(QStringLiteral("b"))->pen().color());
        QCOMPARE(chart.curve(QStringLiteral("a"))->title().text(), QStringLiteral("a"));
        const QDateTime now = QDateTime::currentDateTime();
        for (int s : {400, 200, 10})
            chart.addPoint(QStringLiteral("a"), now.addSecs(-s), s);
        chart.addPoint(QStringLiteral("b"), now.addSecs(-350), 1);
        chart.replot(now);
        QCOMPARE(chart.curve(QStringLiteral("a"))->dataSize(), size_t(2));
        QCOMPARE(chart.curve(QStringLiteral("b"))->dataSize(), size_t(0));
        const QwtScaleDiv &time = chart.axisScaleDiv(QwtPlot::xBottom);
        QCOMPARE(qint64(time.upperBound()), now.toMSecsSinceEpoch());
        QCOMPARE(qint64(time.lowerBound()), now.addSecs(-TrendChart::kWindowSeconds).toMSecsSinceEpoch());
        QVERIFY(chart.axisScaleDiv(QwtPlot::yLeft).contains(200) && chart.axisScaleDiv(QwtPlot::yLeft).contains(10));
        // The time labels are local hh:mm:ss.
        const QString label = chart.axisScaleDraw(QwtPlot::xBottom)->label(QwtDate::toDouble(now)).text();
        QCOMPARE(label, now.toString(QStringLiteral("hh:mm:ss")));
        chart.removeLine(QStringLiteral("a"));
        QVERIFY(!chart.hasLine(QStringLiteral("a")) && chart.hasLine(QStringLiteral("b")));
    }

    // What the dialog chose is what is drawn: a value every 100 ms, as the
    // editor's update gives them, makes a solid line without a gap, a dashed
    // or dash-dot one with many, each as wide as asked, in its colour.
    void chartDrawsLineStyles_data()
    {
        QTest::addColumn<int>("lineStyle");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("gaps");
        QTest::newRow("solid") << 0 << 1.0 << false;
        QTest::newRow("dashed") << 1 << 1.5 << true;
        QTest::newRow("dash-dot") << 2 << 4.0 << true;
    }
    void chartDrawsLineStyles()
    {
        QFETCH(int, lineStyle);
        QFETCH(double, width);
        QFETCH(bool, gaps);
        TrendChart chart;
        chart.resize(800, 400);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QColor colour(200, 0, 0);
        chart.addLine(QStringLiteral("t"), {QString(), lineStyle, TrendChart::NoInterpolation, width, colour});
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = TrendChart::kWindowSeconds * 10; i >= 0; --i)
            chart.addPoint(QStringLiteral("t"), now.addMSecs(-100 * i), 20);
        chart.replot(now);
        const QImage image = chart.canvas()->grab().toImage();
        const int y = int(chart.transform(QwtPlot::yLeft, 20));
        auto coloured = [&](int x, int row) {
            const QColor c = image.pixelColor(x, row);
            return c.red() - c.green() > 60 && c.red() - c.blue() > 60;
        };
        // Across the middle of the plot: the rows the line covers, and the
        // columns where it is not.
        int rows = 0;
        for (int row = y - 6; row <= y + 6; ++row)
            rows += coloured(image.width() / 2, row) || coloured(image.width() / 2 + 3, row) ? 1 : 0;
        QVERIFY2(rows >= int(width) && rows <= int(width) + 2, qPrintable(QString::number(rows)));
        int empty = 0;
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
            bool any = false;
            for (int row = y - 4; row <= y + 4; ++row)
                any = any || coloured(x, row);
            empty += any ? 0 : 1;
        }
        if (gaps)
            QVERIFY2(empty > image.width() / 20, qPrintable(QString::number(empty)));
        else
            QCOMPARE(empty, 0);
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
