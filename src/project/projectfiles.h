#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>

// The project's XML files as they are now, so that after a save the ones
// it wrote can be named: a file whose bytes would not change is left
// untouched by a save, and is not among them.
class ProjectFiles
{
public:
    explicit ProjectFiles(const QString &location);

    // The files whose bytes differ from the snapshot, or that are new.
    QStringList changed() const;

private:
    static QMap<QString, QByteArray> digests(const QString &location);

    QString m_location;
    QMap<QString, QByteArray> m_digests; // file name to the digest of its bytes
};
