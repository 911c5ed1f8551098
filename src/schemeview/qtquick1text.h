#pragma once

#include <QString>

// Scheme files are written for QtQuick 1; the scene is shown by QtQuick 2,
// which reads the same elements once the import lines name it.
namespace QtQuick1Text {

// "import QtQuick 1.x" and "import Qt 4.7" lines (and ".import" in scripts)
// become "import QtQuick 2.0"; everything else, line breaks included, stays.
QString toQtQuick2(const QString &text);

} // namespace QtQuick1Text
