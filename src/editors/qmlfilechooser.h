#pragma once

#include <QString>

class QWidget;

// Asks for a scheme's QML file, kept relative to the project folder.
namespace QmlFileChooser {

// The chosen file relative to the folder, with the folder's own separators;
// empty when the user cancels or picks a file outside the folder (which is
// then refused with a message: another computer could not find it).
QString choose(QWidget *parent, const QString &projectFolder);

} // namespace QmlFileChooser
