#pragma once

#include "projectinfo.h"

#include <QByteArray>
#include <QStringList>

// Project information, the sample project and hostile files shared by the
// project suites.
namespace Fixtures {

// Project information holding nothing but a name.
ProjectInfo named(const QString &name);

// Copies the sample project (its p1.xml does not parse) to folder.
void copySample(const QString &folder);

// A document whose elements nest `levels` deep: the DOM parser's stack
// would not survive it.
QByteArray deepDocument(const QString &root, int levels = 40000);

} // namespace Fixtures
