#include "menutreelayout.h"

#include <QHash>

#include <functional>
#include <limits>
#include <queue>
#include <vector>

namespace MenuTreeLayout {

namespace {

const QString kTop = QStringLiteral("0");

using MinQueue = std::priority_queue<int, std::vector<int>, std::greater<int>>;

} // namespace

QVector<Step> placementOrder(const QList<MenuItemRecord> &records, bool topLevelFirst, bool onlyGroupsHold)
{
    const int count = records.size();
    QVector<Step> order;
    order.reserve(count);
    QVector<bool> queued(count, false);
    QHash<QString, QVector<int>> waiting; // parent ID -> records not yet queued
    MinQueue thisPass;
    MinQueue nextPass;

    // A record placed at position `at` lets its children go: those further
    // down the list in this pass, the others in the next one.
    auto place = [&](int i, bool forcedTop, int at) {
        order.append({i, forcedTop});
        if (onlyGroupsHold && !records.at(i).isGroup())
            return;
        const auto children = waiting.find(records.at(i).id);
        if (children == waiting.end())
            return;
        for (int child : qAsConst(*children)) {
            if (queued[child])
                continue;
            queued[child] = true;
            (child > at ? thisPass : nextPass).push(child);
        }
        waiting.erase(children);
    };

    for (int i = 0; i < count; ++i) {
        if (records.at(i).parent != kTop)
            waiting[records.at(i).parent].append(i);
    }
    for (int i = 0; i < count; ++i) {
        if (records.at(i).parent != kTop)
            continue;
        queued[i] = true;
        if (topLevelFirst)
            place(i, false, std::numeric_limits<int>::max());
        else
            thisPass.push(i);
    }
    int firstWaiting = 0;
    while (order.size() < count) {
        if (thisPass.empty()) {
            if (nextPass.empty()) {
                while (queued[firstWaiting])
                    ++firstWaiting;
                queued[firstWaiting] = true;
                place(firstWaiting, true, std::numeric_limits<int>::max());
            }
            std::swap(thisPass, nextPass);
            continue;
        }
        const int i = thisPass.top();
        thisPass.pop();
        place(i, false, i);
    }
    return order;
}

MenuTree rebuild(const QList<MenuItemRecord> &records)
{
    MenuTree tree;
    QHash<QString, QVector<int>> rowsById;
    for (const Step &step : placementOrder(records, true, false)) {
        const MenuItemRecord &r = records.at(step.record);
        const QVector<int> parents = r.parent == kTop || step.forcedTop ? QVector<int>{-1} : rowsById.value(r.parent);
        for (int parent : parents) {
            rowsById[r.id].append(tree.records.size());
            tree.records.append(r);
            tree.treeParents.append(parent);
        }
    }
    return tree;
}

} // namespace MenuTreeLayout
