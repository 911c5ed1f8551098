#include "colorpickerpopup.h"

#include "colorpickerbutton.h"
#include "colorpickeritem.h"
#include "dialogs.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <cmath>

ColorPickerPopup::ColorPickerPopup(int columns, bool withColorDialog, QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_columns(columns)
{
    setFrameStyle(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    if (withColorDialog) {
        m_moreButton = new ColorPickerButton(this);
        m_moreButton->setFixedSize(24, 21);
        m_moreButton->setFrameRect(QRect(2, 2, 20, 17));
        connect(m_moreButton, &ColorPickerButton::clicked, this, &ColorPickerPopup::getColorFromDialog);
    }
    regenerateGrid();
}

int ColorPickerPopup::columnCount() const
{
    if (m_columns != -1)
        return m_columns;
    return qMax(1, int(std::ceil(std::sqrt(double(m_items.size())))));
}

ColorPickerItem *ColorPickerPopup::find(const QColor &color) const
{
    for (ColorPickerItem *item : m_items) {
        if (item->color() == color)
            return item;
    }
    return nullptr;
}

void ColorPickerPopup::insertColor(const QColor &color, const QString &text, int index)
{
    if (ColorPickerItem *existing = find(color)) {
        ColorPickerItem *previous = find(m_lastSelected);
        if (previous && previous != existing)
            previous->setSelected(false);
        existing->setSelected(true);
        existing->setFocus();
        return;
    }
    auto *item = new ColorPickerItem(color, text, this);
    if (ColorPickerItem *previous = find(m_lastSelected)) {
        previous->setSelected(false);
    } else {
        item->setSelected(true);
        m_lastSelected = color;
    }
    item->setFocus();
    connect(item, &ColorPickerItem::selected, this, &ColorPickerPopup::updateSelected);
    m_items.insert(index < 0 || index > m_items.size() ? m_items.size() : index, item);
    regenerateGrid();
    update();
}

void ColorPickerPopup::regenerateGrid()
{
    delete m_grid;
    m_widgetAt.clear();
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(1, 1, 1, 1);
    m_grid->setSpacing(0);
    const int columns = columnCount();
    int cell = 0;
    for (ColorPickerItem *item : qAsConst(m_items)) {
        const QPair<int, int> at(cell / columns, cell % columns);
        m_grid->addWidget(item, at.first, at.second);
        m_widgetAt.insert(at, item);
        ++cell;
    }
    if (m_moreButton) {
        const QPair<int, int> at(cell / columns, cell % columns);
        m_grid->addWidget(m_moreButton, at.first, at.second);
        m_widgetAt.insert(at, m_moreButton);
    }
    m_grid->activate();
    adjustSize();
}

void ColorPickerPopup::updateSelected()
{
    auto *sender = qobject_cast<ColorPickerItem *>(QObject::sender());
    for (ColorPickerItem *item : qAsConst(m_items)) {
        if (item != sender)
            item->setSelected(false);
    }
    if (sender) {
        m_lastSelected = sender->color();
        emit selected(m_lastSelected);
    }
    hide();
}

void ColorPickerPopup::getColorFromDialog()
{
    const QColor color = Dialogs::color(parentWidget(), m_lastSelected);
    if (!color.isValid())
        return;
    insertColor(color, tr("Custom"), -1);
    m_lastSelected = color;
    emit selected(color);
    hide();
}

void ColorPickerPopup::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    emit hid();
}

// Arrows move the focus through the grid, wrapping at its edges.
void ColorPickerPopup::keyPressEvent(QKeyEvent *event)
{
    const QList<QPair<int, int>> cells = m_widgetAt.keys();
    QPair<int, int> at(0, 0);
    for (const auto &c : cells) {
        if (m_widgetAt.value(c)->hasFocus())
            at = c;
    }
    const int index = cells.indexOf(at);
    int next = index;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = index - (event->key() == Qt::Key_Up ? columnCount() : 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        next = index + (event->key() == Qt::Key_Down ? columnCount() : 1);
        break;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    if (!cells.isEmpty())
        m_widgetAt.value(cells.at((next % cells.size() + cells.size()) % cells.size()))->setFocus();
}
