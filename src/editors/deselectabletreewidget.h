#pragma once

#include <QTreeWidget>

// A tree whose selection is cleared by a click on empty space.
class DeselectableTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit DeselectableTreeWidget(QWidget *parent = nullptr);

signals:
    void selectionCleared();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
