#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;

// A widget of a window or dialog by its object name, at any depth.
template<typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

// The texts a combo box offers, in order.
QStringList comboItems(QComboBox *combo);

// Clicks the named push button with the mouse, as a user would.
void click(QWidget *w, const char *button);
