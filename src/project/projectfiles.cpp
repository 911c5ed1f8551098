#include "projectfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

ProjectFiles::ProjectFiles(const QString &location)
    : m_location(location)
    , m_digests(digests(location))
{ }

QStringList ProjectFiles::changed() const
{
    QStringList names;
    const QMap<QString, QByteArray> now = digests(m_location);
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_digests.value(it.key()) != it.value())
            names << it.key();
    }
    return names;
}

QMap<QString, QByteArray> ProjectFiles::digests(const QString &location)
{
    QMap<QString, QByteArray> result;
    const QStringList names = QDir(location).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QFile file(QDir(location).filePath(name));
        QCryptographicHash hash(QCryptographicHash::Sha1);
        if (file.open(QIODevice::ReadOnly) && hash.addData(&file))
            result.insert(name, hash.result());
    }
    return result;
}
