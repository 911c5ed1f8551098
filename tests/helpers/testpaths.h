#pragma once

#include <QString>

// Where the sources and the build tree are, as CMake configured them.
namespace TestPaths {
inline QString sourceDir() { return QStringLiteral(TESK_SOURCE_DIR); }
inline QString buildDir() { return QStringLiteral(TESK_BUILD_DIR); }
inline QString dataDir() { return sourceDir() + QStringLiteral("/tests/data"); } // tests/data
} // namespace TestPaths
