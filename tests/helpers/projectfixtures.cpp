#include "projectfixtures.h"

#include "tempworkdir.h"
#include "testpaths.h"

namespace Fixtures {

MenuItemRecord group(const QString &id, const QString &text, const QString &parent)
{
    MenuItemRecord r;
    r.kind = MenuItemRecord::groupKind();
    r.id = id;
    r.text = text;
    r.parent = parent;
    return r;
}

MenuItemRecord scheme(const QString &id, const QString &text, const QString &parent, int interval)
{
    MenuItemRecord r = group(id, text, parent);
    r.kind = MenuItemRecord::schemeKind();
    r.qmlFile = QStringLiteral("qml/") + id + QStringLiteral(".qml");
    r.interval = interval;
    return r;
}

ProjectInfo named(const QString &name)
{
    ProjectInfo info;
    info.name = name;
    return info;
}

QStringList ids(const QList<MenuItemRecord> &records)
{
    QStringList out;
    for (const MenuItemRecord &r : records)
        out << r.id + QLatin1Char('<') + r.parent;
    return out;
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
