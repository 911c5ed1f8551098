#include "menutreerow.h"

#include "menuitemrecord.h"

#include <QTreeWidgetItem>

namespace MenuTreeRow {

void fill(QTreeWidgetItem *item, const MenuItemRecord &record)
{
    item->setText(Text, record.text);
    item->setIcon(Text, QIcon(record.isGroup() ? QStringLiteral(":/folder") : QStringLiteral(":/scheme")));
    item->setText(Id, record.id);
    item->setText(Parent, record.parent);
    item->setText(Kind, record.kind);
}

} // namespace MenuTreeRow
