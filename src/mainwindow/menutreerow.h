#pragma once

class QTreeWidgetItem;
struct MenuItemRecord;

// The tree rows that show menu records: column 0 the text with the icon of
// the kind, then (hidden) the ID, the parent ID and the kind.
namespace MenuTreeRow {

enum Column { Text = 0, Id = 1, Parent = 2, Kind = 3 };

void fill(QTreeWidgetItem *item, const MenuItemRecord &record);

} // namespace MenuTreeRow
