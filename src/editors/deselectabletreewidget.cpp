#include "deselectabletreewidget.h"

#include <QMouseEvent>

DeselectableTreeWidget::DeselectableTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
}

void DeselectableTreeWidget::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    QTreeWidget::mousePressEvent(event);
    if (!index.isValid() || !selectionModel()->isSelected(index)) {
        clearSelection();
        setCurrentItem(nullptr);
        emit selectionCleared();
    } else {
        selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }
}
