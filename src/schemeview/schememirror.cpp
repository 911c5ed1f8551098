#include "schememirror.h"

#include "qtquick1text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kMaxDepth = 3;

bool isSceneText(const QString &path)
{
    return path.endsWith(QLatin1String(".qml")) || path.endsWith(QLatin1String(".js"))
        || QFileInfo(path).fileName() == QLatin1String("qmldir");
}

bool writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

SchemeMirror::SchemeMirror()
    : m_root(QDir::cleanPath(m_dir.path()))
{
}

QString SchemeMirror::mirrorPathOf(const QString &original) const
{
    return m_root + QDir::cleanPath(QFileInfo(original).absoluteFilePath());
}

bool SchemeMirror::contains(const QString &path) const
{
    return QDir::cleanPath(path).startsWith(m_root + QLatin1Char('/'));
}

QString SchemeMirror::originalOf(const QString &mirrorPath) const
{
    return QDir::cleanPath(mirrorPath).mid(m_root.size());
}

bool SchemeMirror::mirrorFile(const QString &original)
{
    if (!QFileInfo(original).isFile() || !isSceneText(original))
        return false;
    return writeText(mirrorPathOf(original), QtQuick1Text::toQtQuick2(readText(original)));
}

// Sub-folders hold components a scheme imports; a few levels are plenty,
// and a scheme kept in a big folder must not make every load crawl it.
void SchemeMirror::mirrorFolder(const QString &folder, int depth)
{
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList(QDir::Files)) {
        if (isSceneText(f.filePath()))
            mirrorFile(f.filePath());
    }
    if (depth >= kMaxDepth)
        return;
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        mirrorFolder(dir.filePath(sub), depth + 1);
}

QUrl SchemeMirror::prepare(const QString &file, const QString *text)
{
    const QFileInfo info(file);
    if (info.exists())
        mirrorFolder(info.absolutePath(), 0);
    if (text)
        writeText(mirrorPathOf(file), QtQuick1Text::toQtQuick2(*text));
    return QUrl::fromLocalFile(mirrorPathOf(file));
}
