#pragma once

#include "controllerstatus.h"

#include <QObject>

class QTreeWidget;

// Three columns after a controller list's own: whether each controller of
// the shown scheme answers, when it last answered well and how long that
// took. Rows are matched by the ID in column 0; without a status (no scheme
// shown) the columns are not there at all.
class ControllerStatusColumns : public QObject
{
    Q_OBJECT

public:
    explicit ControllerStatusColumns(QTreeWidget *tree);

    void setStatus(const QList<ControllerStatus> &status);
    // Adds or removes the columns and fills them for the rows present.
    void fill();

private:
    QTreeWidget *m_tree;
    int m_first; // the first status column: the tree's own column count
    QList<ControllerStatus> m_status;
};
