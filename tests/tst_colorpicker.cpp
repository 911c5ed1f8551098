#include "colorpickerbutton.h"
#include "colorpickeritem.h"
#include "colorpickerpopup.h"
#include "dialogs.h"
#include "qtcolorpicker.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class TestColorPicker : public QObject
{
    Q_OBJECT

private slots:
    void choosingColours();
};

// 17 standard colours in 5 columns, the popup inside the desktop; a colour
// not in the grid, set or from the dialog, is added once as "Custom"; a
// cancelled dialog changes nothing.
void TestColorPicker::choosingColours()
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
    QCOMPARE(picker.popup()->columnCount(), 5);
    QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
    picker.setCurrentColor(QColor(12, 34, 56));
    picker.setCurrentColor(QColor(12, 34, 56));
    picker.setCurrentColor(QColor());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(picker.popup()->items().size(), 18);
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
    Dialogs::reset();
}

QTEST_MAIN(TestColorPicker)
#include "tst_colorpicker.moc"
