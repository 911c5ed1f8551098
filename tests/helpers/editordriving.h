#pragma once

#include "modaldriver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// Driving the configuration dialogs as an operator does: buttons, rows and
// the modal dialogs they open.
namespace EditorDriving {

// A push button of the dialog itself, never one of a dialog it holds.
inline QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

inline void press(QWidget *dialog, const char *name)
{
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

inline void type(QWidget *dialog, const char *field, const QString &text)
{
    dialog->findChild<QLineEdit *>(QString::fromLatin1(field))->setText(text);
}

inline void clickRow(QTreeWidget *tree, QTreeWidgetItem *row)
{
    tree->scrollToItem(row);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(row).center());
}

// Runs what opens a modal dialog and acts on that dialog; false when none
// came up.
inline bool onModal(const std::function<void()> &open, const ModalDriver::Action &act)
{
    ModalDriver driver(act);
    open();
    return driver.ran();
}

// Double-clicks a row and acts on the dialog it opens.
inline bool openRow(QTreeWidget *tree, QTreeWidgetItem *row, const ModalDriver::Action &act)
{
    clickRow(tree, row);
    const QPoint at = tree->visualItemRect(row).center();
    return onModal([&] { QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at); }, act);
}

} // namespace EditorDriving
