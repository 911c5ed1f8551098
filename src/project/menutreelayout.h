#pragma once

#include "menutree.h"

// Lays menu records out as tree rows the way the main window rebuilds its
// tree after the menu editor: top-level records first, then each record
// under every row whose ID is its parent ID, in passes until all are placed.
// A record whose parent never appears is put at the top level rather than
// lost (and the passes go on, so what hangs under it follows it).
namespace MenuTreeLayout {

MenuTree rebuild(const QList<MenuItemRecord> &records);

} // namespace MenuTreeLayout
