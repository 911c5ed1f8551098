#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QMap>
#include <QPair>

class ColorPickerButton;
class ColorPickerItem;
class QGridLayout;

// The popup grid of colour swatches, with an optional "more" button that
// opens the colour dialog.
class ColorPickerPopup : public QFrame
{
    Q_OBJECT

public:
    ColorPickerPopup(int columns, bool withColorDialog, QWidget *parent = nullptr);

    void insertColor(const QColor &color, const QString &text, int index = -1);
    ColorPickerItem *find(const QColor &color) const;
    QColor lastSelected() const { return m_lastSelected; }
    int columnCount() const;
    const QList<ColorPickerItem *> &items() const { return m_items; }
    ColorPickerButton *moreButton() const { return m_moreButton; }

signals:
    void selected(const QColor &color);
    void hid();

public slots:
    void getColorFromDialog();
    void updateSelected();

protected:
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void regenerateGrid();

    QList<ColorPickerItem *> m_items;
    int m_columns;
    QGridLayout *m_grid = nullptr;
    QMap<QPair<int, int>, QWidget *> m_widgetAt;
    QColor m_lastSelected;
    ColorPickerButton *m_moreButton = nullptr;
};
