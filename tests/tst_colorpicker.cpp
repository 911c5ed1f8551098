#include "colorpickerbutton.h"
#include "colorpickeritem.h"
#include "colorpickerpopup.h"
#include "dialogs.h"
#include "qtcolorpicker.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class TestColorPicker : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void standardColoursInFiveColumns();
    void firstColourBecomesCurrent();
    void customColourIsAdded();
    void moreButtonAsksTheDialog();
    void popupStaysOnTheDesktop();
};

void TestColorPicker::cleanup()
{
    Dialogs::reset();
}

void TestColorPicker::standardColoursInFiveColumns()
{
    QtColorPicker picker;
    picker.setStandardColors();
    QCOMPARE(picker.popup()->items().size(), 17);
    QCOMPARE(picker.popup()->columnCount(), 5);
    QCOMPARE(picker.popup()->items().at(3)->text(), QStringLiteral("Dark red"));
    QCOMPARE(picker.popup()->items().at(3)->toolTip(), QStringLiteral("Dark red"));
    QCOMPARE(picker.popup()->items().at(3)->size(), QSize(24, 21));
    QtColorPicker fixed(nullptr, 3);
    fixed.setStandardColors();
    QCOMPARE(fixed.popup()->columnCount(), 3);
}

void TestColorPicker::firstColourBecomesCurrent()
{
    QtColorPicker picker;
    QCOMPARE(picker.currentColor(), QColor(Qt::black));
    QCOMPARE(picker.text(), QStringLiteral("Black"));
    picker.insertColor(Qt::red, QStringLiteral("Czerwony"));
    picker.insertColor(Qt::blue, QStringLiteral("Niebieski"));
    QCOMPARE(picker.currentColor(), QColor(Qt::red));
    QCOMPARE(picker.text(), QStringLiteral("Czerwony"));
}

void TestColorPicker::customColourIsAdded()
{
    QtColorPicker picker;
    picker.setStandardColors();
    QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
    picker.setCurrentColor(QColor(12, 34, 56));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(picker.popup()->items().size(), 18);
    QCOMPARE(picker.popup()->items().last()->text(), QStringLiteral("Custom"));
    QCOMPARE(picker.currentColor(), QColor(12, 34, 56));
    QCOMPARE(picker.text(), QStringLiteral("Custom"));
    QVERIFY(picker.popup()->items().last()->isSelected());
    picker.setCurrentColor(QColor(12, 34, 56)); // the same: nothing
    picker.setCurrentColor(QColor());            // invalid: nothing
    QCOMPARE(changed.count(), 1);
    picker.setCurrentColor(Qt::blue);           // one of the grid
    QCOMPARE(picker.text(), QStringLiteral("Blue"));
    QCOMPARE(picker.popup()->items().size(), 18);
}

void TestColorPicker::moreButtonAsksTheDialog()
{
    QtColorPicker picker;
    picker.setStandardColors();
    QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
    Dialogs::presetColor(QColor(200, 100, 50));
    ColorPickerButton *more = picker.popup()->moreButton();
    QVERIFY(more);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(more, &press);
    QCOMPARE(more->frameShadow(), QFrame::Sunken);
    QApplication::sendEvent(more, &release);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(picker.currentColor(), QColor(200, 100, 50));
    QCOMPARE(picker.popup()->items().last()->text(), QStringLiteral("Custom"));
    Dialogs::presetColor(QColor()); // cancelled dialog
    QTest::mouseClick(more, Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
}

void TestColorPicker::popupStaysOnTheDesktop()
{
    QWidget window;
    const QRect desktop = window.screen()->virtualGeometry();
    window.setGeometry(desktop.right() - 120, desktop.bottom() - 60, 110, 50);
    QtColorPicker picker(&window);
    picker.setStandardColors();
    picker.setGeometry(10, 10, 90, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    picker.setChecked(true);
    QVERIFY(picker.popup()->isVisible());
    const QRect popup = picker.popup()->frameGeometry();
    QVERIFY2(desktop.contains(popup), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(popup.x()).arg(popup.y()).arg(popup.width()).arg(popup.height())));
    picker.popup()->items().at(2)->setFocus();
    QTest::mouseClick(picker.popup()->items().at(2), Qt::LeftButton);
    QCOMPARE(picker.currentColor(), QColor(Qt::red));
    QVERIFY(!picker.popup()->isVisible());
    QVERIFY(!picker.isChecked());
}

QTEST_MAIN(TestColorPicker)
#include "tst_colorpicker.moc"
