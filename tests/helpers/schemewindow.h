#pragma once

#include "dataread.h"
#include "dataset.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "modaldriver.h"
#include "qdeclarativezoompan.h"
#include "qteskcmd.h"
#include "stalestrip.h"
#include "tempworkdir.h"
#include "testnet.h"
#include "testpaths.h"

#include <QtTest>
#include <QtWidgets>

// The main window as an operator uses it to run schemes: the tree, the
// scene, the value dialog and the log. Brings in what the suites running
// schemes use.
namespace SchemeWindow {

// Copies the project folder source into dir as folder, moves its controllers
// from the addresses starting with fromNet onto the test's own loopback
// subnet, and shows a main window that opened it at its start.
MainWindow *openProject(const TempWorkDir &dir, const QString &source, const QString &folder, const QByteArray &fromNet);
QStringList logTexts(const MainWindow *w, int from = 0);
// Passes completed so far, as the log tells them.
int passes(const MainWindow *w);
// Whether the reader last heard the controller of that ID answer.
bool answering(const MainWindow *w, const QString &deviceId);
QTreeWidgetItem *treeRow(const MainWindow *w, const QString &text);
// Picks the tree row with the text.
void choose(MainWindow *w, const QString &text);
// Picks the scheme and tells whether a pass over it completed.
bool show(MainWindow *w, const QString &text);
QObject *sceneRoot(const MainWindow *w);
// The scene reports a click on the element of that name.
void clickScene(const MainWindow *w, const QString &name);
// Leaves a field of the value dialog at a value, as the operator would.
void setField(QWidget *dialog, const QString &name, const QVariant &value);

} // namespace SchemeWindow
