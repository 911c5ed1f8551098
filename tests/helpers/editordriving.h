#pragma once

#include "dialogs.h"
#include "modaldriver.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// Driving the configuration dialogs as an operator does: buttons, rows and
// the modal dialogs they open.
namespace EditorDriving {

inline QComboBox *combo(QWidget *dialog, const char *name) { return child<QComboBox>(dialog, name); }
inline QString text(QWidget *dialog, const char *field) { return child<QLineEdit>(dialog, field)->text(); }
inline void type(QWidget *dialog, const char *field, const QString &text) { child<QLineEdit>(dialog, field)->setText(text); }

// A push button of the dialog itself, never one of a dialog it holds.
inline QPushButton *button(QWidget *dialog, const char *name) { return dialog->findChild<QPushButton *>(QLatin1String(name), Qt::FindDirectChildrenOnly); }

inline void press(QWidget *dialog, const char *name) { QTest::mouseClick(button(dialog, name), Qt::LeftButton); }

// Presses a button the dialog should refuse; the message shown (answered
// with OK), empty when none came up.
inline QString refusal(QWidget *dialog, const char *name)
{
    const int before = Dialogs::shown().size();
    Dialogs::presetAnswer(QMessageBox::Ok);
    press(dialog, name);
    return Dialogs::shown().size() > before ? Dialogs::shown().last().text : QString();
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
