#include "menutreelayout.h"

namespace MenuTreeLayout {

namespace {

const QString kTop = QStringLiteral("0");

void addRow(MenuTree &tree, const MenuItemRecord &record, int parent)
{
    tree.records.append(record);
    tree.treeParents.append(parent);
}

// Places the record under every existing row with its parent's ID; returns
// whether there was one.
bool placeUnderParents(MenuTree &tree, const MenuItemRecord &record)
{
    bool placed = false;
    const int rows = tree.records.size();
    for (int row = 0; row < rows; ++row) {
        if (tree.records.at(row).id == record.parent) {
            addRow(tree, record, row);
            placed = true;
        }
    }
    return placed;
}

} // namespace

MenuTree rebuild(const QList<MenuItemRecord> &records)
{
    MenuTree tree;
    QList<MenuItemRecord> waiting;
    for (const MenuItemRecord &r : records) {
        if (r.parent == kTop)
            addRow(tree, r, -1);
    }
    for (const MenuItemRecord &r : records) {
        if (r.parent != kTop && !placeUnderParents(tree, r))
            waiting.append(r);
    }
    while (!waiting.isEmpty()) {
        QList<MenuItemRecord> still;
        for (const MenuItemRecord &r : qAsConst(waiting)) {
            if (!placeUnderParents(tree, r))
                still.append(r);
        }
        if (still.size() == waiting.size())
            addRow(tree, still.takeFirst(), -1);
        waiting = still;
    }
    return tree;
}

} // namespace MenuTreeLayout
