#include "tempworkdir.h"

#include "testpaths.h"

#include <QDir>
#include <QFile>

TempWorkDir::TempWorkDir()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(m_previous);
}

void TempWorkDir::write(const QString &name, const QByteArray &content) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray TempWorkDir::read(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempWorkDir::installTranslations() const
{
    QDir(path()).mkpath(QStringLiteral("lang"));
    for (const char *code : {"eng", "pl"}) {
        const QString name = QStringLiteral("lang/tesk_control_%1.qm").arg(QLatin1String(code));
        QFile::copy(TestPaths::buildDir() + QLatin1Char('/') + name, filePath(name));
    }
}

void TempWorkDir::copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDir().mkpath(to);
    for (const QFileInfo &f : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + f.fileName();
        if (f.isDir())
            copyTree(f.filePath(), target);
        else
            QFile::copy(f.filePath(), target);
    }
}
