#include "projectfixtures.h"

#include "tempworkdir.h"
#include "testpaths.h"

namespace Fixtures {

ProjectInfo named(const QString &name)
{
    ProjectInfo info;
    info.name = name;
    return info;
}

void copySample(const QString &folder)
{
    TempWorkDir::copyTree(TestPaths::dataDir() + QStringLiteral("/projects/kotlownia"), folder);
}

QByteArray deepDocument(const QString &root, int levels)
{
    return "<" + root.toUtf8() + ">" + QByteArray("<a>").repeated(levels) + QByteArray("</a>").repeated(levels)
        + "</" + root.toUtf8() + ">";
}

} // namespace Fixtures
