#include "testpaths.h"

namespace TestPaths {

QString sourceDir()
{
    return QStringLiteral(TESK_SOURCE_DIR);
}

QString buildDir()
{
    return QStringLiteral(TESK_BUILD_DIR);
}

QString dataDir()
{
    return sourceDir() + QStringLiteral("/tests/data");
}

} // namespace TestPaths
