#include "colorpickerbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

ColorPickerButton::ColorPickerButton(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
}

bool ColorPickerButton::isPressKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

bool ColorPickerButton::isArrowKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

void ColorPickerButton::mousePressEvent(QMouseEvent *)
{
    setFrameShadow(QFrame::Sunken);
    update();
}

void ColorPickerButton::mouseReleaseEvent(QMouseEvent *)
{
    setFrameShadow(QFrame::Raised);
    update();
    emit clicked();
}

// Arrows belong to the popup's grid; the press keys act like a click.
void ColorPickerButton::keyPressEvent(QKeyEvent *event)
{
    if (isArrowKey(event->key())) {
        QApplication::sendEvent(parentWidget(), event);
    } else if (isPressKey(event->key())) {
        setFrameShadow(QFrame::Sunken);
        update();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void ColorPickerButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isArrowKey(event->key())) {
        QApplication::sendEvent(parentWidget(), event);
    } else if (isPressKey(event->key())) {
        setFrameShadow(QFrame::Raised);
        repaint();
        emit clicked();
    } else {
        QFrame::keyReleaseEvent(event);
    }
}

void ColorPickerButton::focusInEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Plain);
    update();
    QFrame::focusInEvent(event);
}

void ColorPickerButton::focusOutEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Raised);
    update();
    QFrame::focusOutEvent(event);
}

void ColorPickerButton::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.fillRect(contentsRect(), palette().button());
    const QRect r = rect();
    const int offset = frameShadow() == QFrame::Sunken ? 1 : 0;
    const QPoint centre(r.width() / 2 + offset, r.height() / 2 + offset);
    p.setPen(palette().buttonText().color());
    for (int dx : {-4, 0, 4})
        p.drawPoint(centre + QPoint(dx, 0));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color()));
        p.drawRect(0, 0, width() - 1, height() - 1);
    }
}
