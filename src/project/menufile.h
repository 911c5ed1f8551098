#pragma once

#include "menutree.h"

#include <QStringList>

// Reading and writing a project's menuList.xml together with the definition
// file of every scheme in it.
namespace MenuFile {

QString fileName(); // "menuList.xml"

// location is the project folder, ending with a separator. A missing or
// broken file gives an empty tree. unreadable (when given) receives the
// paths of the files (the menu file, definitions) that exist but could not
// be read.
MenuTree read(const QString &location, QStringList *unreadable = nullptr);

// A scheme's refresh period as read from the file: not a number reads as 0,
// anything out of range as the nearest period the refresh timer can take.
int intervalFromText(const QString &text);

// Writes the menu file and each scheme's definition file. Returns one line
// per file that could not be written (empty when all went well). A scheme
// whose ID is not a plain file name gets no definition file.
QStringList write(const QString &location, const QList<MenuItemRecord> &records);

} // namespace MenuFile
