#include "schemefields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

void SchemeFields::load(const MenuItemRecord &record) const
{
    kind->setEnabled(false);
    if (record.isGroup()) {
        kind->setCurrentIndex(0);
        groupName->setText(record.text);
        return;
    }
    kind->setCurrentIndex(1);
    schemeId->setText(record.id);
    schemeName->setText(record.text);
    qmlPath->setText(record.qmlFile);
    interval->setValue(record.interval);
}

MenuItemRecord SchemeFields::read(MenuItemRecord base) const
{
    if (kind->currentIndex() == 0) {
        base.kind = MenuItemRecord::groupKind();
        base.text = groupName->text();
        return base;
    }
    base.kind = MenuItemRecord::schemeKind();
    base.id = schemeId->text();
    base.text = schemeName->text();
    base.qmlFile = qmlPath->text();
    // A period the box cannot show (below 0, past its maximum) is kept as
    // stored unless the operator moved the box away from what it showed.
    if (interval->value() != qBound(interval->minimum(), base.interval, interval->maximum()))
        base.interval = interval->value();
    return base;
}
