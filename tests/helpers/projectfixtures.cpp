#include "projectfixtures.h"

#include "tempworkdir.h"
#include "testpaths.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

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

QStringList snapshot(const QString &folder)
{
    QStringList out;
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile file(f.filePath());
        file.open(QIODevice::ReadOnly);
        out << f.fileName() + QLatin1Char(' ')
                + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex())
                + QLatin1Char(' ') + QString::number(f.lastModified().toMSecsSinceEpoch());
    }
    return out;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // Past the limit a write fails with EFBIG instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace Fixtures
