#include "logview.h"

#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int kMargin = 3;
}

LogView::LogView(QWidget *parent)
    : QAbstractItemView(parent)
{
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void LogView::setModel(QAbstractItemModel *model)
{
    QAbstractItemView::setModel(model);
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        updateGeometries();
        viewport()->update();
    });
}

int LogView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex LogView::indexOfRow(int row) const
{
    return row >= 0 && row < rows() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

int LogView::rowHeight() const
{
    return qMax(iconSize().height(), fontMetrics().height()) + 2 * kMargin;
}

QRect LogView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid())
        return QRect();
    return QRect(0, index.row() * rowHeight() - verticalOffset(), viewport()->width(), rowHeight());
}

void LogView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect rect = visualRect(index);
    if (rect.isNull())
        return;
    QScrollBar *bar = verticalScrollBar();
    if (hint == PositionAtTop || (hint == EnsureVisible && rect.top() < 0))
        bar->setValue(bar->value() + rect.top());
    else if (hint == PositionAtBottom || (hint == EnsureVisible && rect.bottom() > viewport()->height()))
        bar->setValue(bar->value() + rect.bottom() - viewport()->height() + 1);
    else if (hint == PositionAtCenter)
        bar->setValue(bar->value() + rect.center().y() - viewport()->height() / 2);
}

QModelIndex LogView::indexAt(const QPoint &point) const
{
    return indexOfRow((point.y() + verticalOffset()) / rowHeight());
}

QModelIndex LogView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int row = currentIndex().row();
    const int page = qMax(1, viewport()->height() / rowHeight());
    switch (action) {
    case MoveUp:
    case MovePrevious:
        return indexOfRow(qMax(0, row - 1));
    case MoveDown:
    case MoveNext:
        return indexOfRow(qMin(rows() - 1, row + 1));
    case MovePageUp:
        return indexOfRow(qMax(0, row - page));
    case MovePageDown:
        return indexOfRow(qMin(rows() - 1, row + page));
    case MoveHome:
        return indexOfRow(0);
    case MoveEnd:
        return indexOfRow(rows() - 1);
    default:
        return currentIndex();
    }
}

int LogView::horizontalOffset() const
{
    return 0;
}

int LogView::verticalOffset() const
{
    return verticalScrollBar()->value();
}

void LogView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags)
{
    const QModelIndex top = indexAt(QPoint(0, qMax(0, rect.normalized().top())));
    const QModelIndex bottom = indexAt(QPoint(0, rect.normalized().bottom()));
    if (top.isValid())
        selectionModel()->select(QItemSelection(top, bottom.isValid() ? bottom : indexOfRow(rows() - 1)), flags);
}

QRegion LogView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection)
        region += visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
    return region;
}

// Only the rows in sight are drawn: the kind's icon, then the text on one
// line, cut at the edge.
void LogView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette &colours = palette();
    const int h = rowHeight();
    const int first = verticalOffset() / h;
    const int last = qMin(rows() - 1, (verticalOffset() + viewport()->height()) / h);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = indexOfRow(row);
        const QRect rect = visualRect(index);
        const bool selected = selectionModel()->isSelected(index);
        if (selected)
            painter.fillRect(rect, colours.highlight());
        const QRect icon(QPoint(rect.left() + kMargin, rect.top() + (h - iconSize().height()) / 2), iconSize());
        qvariant_cast<QIcon>(index.data(Qt::DecorationRole)).paint(&painter, icon);
        painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect.adjusted(icon.right() + kMargin, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine,
                         index.data().toString());
    }
}

// New rows, and a view shown or resized, keep the end in sight while the
// list shows its end; an operator who scrolled back to read keeps the rows.
void LogView::updateGeometries()
{
    QScrollBar *bar = verticalScrollBar();
    const bool following = bar->value() >= bar->maximum();
    const int h = rowHeight();
    bar->setRange(0, qMax(0, rows() * h - viewport()->height()));
    bar->setSingleStep(h);
    bar->setPageStep(viewport()->height());
    if (following)
        bar->setValue(bar->maximum());
    QAbstractItemView::updateGeometries();
}

void LogView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

// Filtered anew or emptied: the newest rows are shown.
void LogView::reset()
{
    QAbstractItemView::reset();
    updateGeometries();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}
