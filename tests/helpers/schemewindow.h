#pragma once

#include <QStringList>
#include <QVariant>

class MainWindow;
class QObject;
class QTreeWidgetItem;
class QWidget;

// The main window as an operator uses it to run schemes: the tree, the
// scene, the value dialog and the log.
namespace SchemeWindow {

QStringList logTexts(const MainWindow *w, int from = 0);
// Passes completed so far, as the log tells them.
int passes(const MainWindow *w);
QTreeWidgetItem *treeRow(const MainWindow *w, const QString &text);
// Picks the tree row with the text.
void choose(MainWindow *w, const QString &text);
QObject *sceneRoot(const MainWindow *w);
// The scene reports a click on the element of that name.
void clickScene(const MainWindow *w, const QString &name);
// Leaves a field of the value dialog at a value, as the operator would.
void setField(QWidget *dialog, const QString &name, const QVariant &value);

} // namespace SchemeWindow
