#pragma once

#include <QString>

// Where the sources and the build tree are, as CMake configured them.
namespace TestPaths {
QString sourceDir();
QString buildDir();
QString dataDir(); // tests/data
} // namespace TestPaths
