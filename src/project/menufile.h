#pragma once

#include "menutree.h"

#include <QStringList>

// Reading and writing a project's menuList.xml together with the definition
// file of every scheme in it.
namespace MenuFile {

QString fileName(); // "menuList.xml"

// location is the project folder, ending with a separator. A missing or
// broken file gives an empty tree.
MenuTree read(const QString &location);

// Writes the menu file and each scheme's definition file. Returns one line
// per file that could not be written (empty when all went well). A scheme
// whose ID is not a plain file name gets no definition file.
QStringList write(const QString &location, const QList<MenuItemRecord> &records);

} // namespace MenuFile
