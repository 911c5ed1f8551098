#include "colorpickeritem.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int kWidth = 24;
constexpr int kHeight = 21;
} // namespace

ColorPickerItem::ColorPickerItem(const QColor &color, const QString &text, QWidget *parent)
    : QFrame(parent)
    , m_color(color)
    , m_text(text)
{
    setToolTip(text);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
}

void ColorPickerItem::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void ColorPickerItem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.setPen(Qt::black);
    p.drawRect(3, 3, w - 7, h - 7);
    p.fillRect(4, 4, w - 8, h - 8, m_color);
    if (m_selected)
        p.drawRect(1, 1, w - 3, h - 3);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color()));
        p.drawRect(0, 0, w - 1, h - 1);
    }
}

void ColorPickerItem::mousePressEvent(QMouseEvent *)
{
    setFocus();
}

void ColorPickerItem::mouseReleaseEvent(QMouseEvent *)
{
    setSelected(true);
    emit selected();
}

void ColorPickerItem::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        setSelected(true);
        emit selected();
        return;
    }
    QFrame::keyPressEvent(event);
}
