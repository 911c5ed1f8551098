#pragma once

#include "menutree.h"

// Lays menu records out as tree rows the way the main window rebuilds its
// tree after the menu editor: top-level records first, then each record
// under every row whose ID is its parent ID, in passes until all are placed.
// A record whose parent never appears is put at the top level rather than
// lost (and the passes go on, so what hangs under it follows it).
namespace MenuTreeLayout {

MenuTree rebuild(const QList<MenuItemRecord> &records);

// One record placed: at the top level when its parent is "0" or never
// appeared (forcedTop), else under its parent.
struct Step
{
    int record;
    bool forcedTop;
};

// The order in which passes over the list place the records: each pass goes
// through the list and places every record whose parent is already placed;
// a pass that places nothing puts the first waiting record at the top. With
// topLevelFirst an extra first pass places the top-level records alone;
// with onlyGroupsHold only a group can be a parent. Each record is visited
// a bounded number of times, however the list is ordered.
QVector<Step> placementOrder(const QList<MenuItemRecord> &records, bool topLevelFirst, bool onlyGroupsHold);

} // namespace MenuTreeLayout
