#pragma once

#include "projectinfo.h"

#include <QByteArray>

// Project information, the sample project and hostile files for the project suites.
namespace Fixtures {

// Project information holding nothing but a name.
ProjectInfo named(const QString &name);

// Copies the sample project (its p1.xml does not parse) to folder.
void copySample(const QString &folder);

// Elements nested `levels` deep: more than the DOM parser's stack survives.
QByteArray deepDocument(const QString &root, int levels = 40000);

} // namespace Fixtures
