#include "widgetlookup.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

QStringList comboItems(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

void click(QWidget *w, const char *button)
{
    QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
}
