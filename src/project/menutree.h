#pragma once

#include "menuitemrecord.h"

#include <QList>
#include <QVector>

// The rows of a menu tree in creation order: the record each row shows and
// the row it hangs under. Read from the menu file there is one row per
// record; rebuilt from records, a record under a group ID that two groups
// share gets a row under each.
struct MenuTree
{
    QList<MenuItemRecord> records; // per row
    QVector<int> treeParents;      // per row: index of its parent row, -1 at the top
};
