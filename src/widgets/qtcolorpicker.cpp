#include "qtcolorpicker.h"

#include "colorpickeritem.h"
#include "colorpickerpopup.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

QtColorPicker::QtColorPicker(QWidget *parent, int columns, bool enableColorDialog)
    : QPushButton(parent)
    , m_popup(new ColorPickerPopup(columns, enableColorDialog, this))
    , m_colorDialog(enableColorDialog)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setAutoDefault(false);
    setAutoFillBackground(true);
    setCheckable(true);
    setText(tr("Black"));
    showSwatch();
    connect(m_popup, &ColorPickerPopup::selected, this, &QtColorPicker::setCurrentColor);
    connect(m_popup, &ColorPickerPopup::hid, this, &QtColorPicker::popupClosed);
    connect(this, &QPushButton::toggled, this, &QtColorPicker::buttonPressed);
}

void QtColorPicker::insertColor(const QColor &color, const QString &text, int index)
{
    m_popup->insertColor(color, text, index);
    if (!m_firstInserted) {
        m_firstInserted = true;
        m_color = color;
        setText(text);
        showSwatch();
    }
}

void QtColorPicker::setStandardColors()
{
    insertColor(Qt::black, tr("Black"));
    insertColor(Qt::white, tr("White"));
    insertColor(Qt::red, tr("Red"));
    insertColor(Qt::darkRed, tr("Dark red"));
    insertColor(Qt::green, tr("Green"));
    insertColor(Qt::darkGreen, tr("Dark green"));
    insertColor(Qt::blue, tr("Blue"));
    insertColor(Qt::darkBlue, tr("Dark blue"));
    insertColor(Qt::cyan, tr("Cyan"));
    insertColor(Qt::darkCyan, tr("Dark cyan"));
    insertColor(Qt::magenta, tr("Magenta"));
    insertColor(Qt::darkMagenta, tr("Dark magenta"));
    insertColor(Qt::yellow, tr("Yellow"));
    insertColor(Qt::darkYellow, tr("Dark yellow"));
    insertColor(Qt::gray, tr("Gray"));
    insertColor(Qt::darkGray, tr("Dark gray"));
    insertColor(Qt::lightGray, tr("Light gray"));
}

void QtColorPicker::setCurrentColor(const QColor &color)
{
    if (color == m_color || !color.isValid())
        return;
    ColorPickerItem *item = m_popup->find(color);
    if (!item) {
        insertColor(color, tr("Custom"));
        item = m_popup->find(color);
    }
    m_color = color;
    setText(item->text());
    showSwatch();
    m_popup->hide();
    item->setSelected(true);
    emit colorChanged(color);
}

void QtColorPicker::showSwatch()
{
    QPixmap swatch(16, 16);
    swatch.fill(m_color);
    QPainter p(&swatch);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 15, 15);
    setIcon(QIcon(swatch));
}

// The popup opens under the button, kept wholly inside the desktop (its
// window frame included, which is only known once it is shown).
void QtColorPicker::buttonPressed(bool toggled)
{
    if (!toggled)
        return;
    m_popup->move(mapToGlobal(rect().bottomLeft()));
    if (ColorPickerItem *item = m_popup->find(m_color))
        item->setSelected(true);
    clearFocus();
    m_popup->setFocus();
    m_popup->show();
    const QRect desktop = screen() ? screen()->virtualGeometry() : QRect();
    QRect frame = m_popup->frameGeometry();
    if (frame.right() > desktop.right())
        frame.moveRight(desktop.right());
    if (frame.bottom() > desktop.bottom())
        frame.moveBottom(desktop.bottom());
    if (frame.left() < desktop.left())
        frame.moveLeft(desktop.left());
    if (frame.top() < desktop.top())
        frame.moveTop(desktop.top());
    m_popup->move(frame.topLeft());
}

void QtColorPicker::popupClosed()
{
    setChecked(false);
    setFocus();
}
