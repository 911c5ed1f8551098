#pragma once

#include <QByteArray>
#include <QString>

class TempWorkDir;

namespace ProjectCopy {

// Copies the project folder source into the working directory as folder,
// moves its controllers from the addresses starting with fromNet onto the
// test's own loopback subnet, and writes a config.xml that opens it at the
// main window's start. Returns the copy's path.
QString openAtStart(const TempWorkDir &dir, const QString &source, const QString &folder, const QByteArray &fromNet);

} // namespace ProjectCopy
