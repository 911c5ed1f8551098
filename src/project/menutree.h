#pragma once

#include "menuitemrecord.h"

#include <QList>
#include <QVector>

// The menu records of a project as read from its menu file, with the shape
// of the tree they are shown in: one tree item per record, in record order.
struct MenuTree
{
    QList<MenuItemRecord> records;
    // For each record, the index of the record whose tree item holds its
    // item; -1 for an item at the top level.
    QVector<int> treeParents;
};
