#pragma once

#include <QAbstractItemView>

// The log list: one column of rows of one height, placed by arithmetic, so
// that rows added to a list of a million cost no more than rows added to an
// empty one (a list view lays out every row again). Lines wider than the
// view end in an ellipsis.
class LogView : public QAbstractItemView
{
    Q_OBJECT

public:
    explicit LogView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    int rows() const;
    int rowHeight() const;
    QModelIndex indexOfRow(int row) const;
};
