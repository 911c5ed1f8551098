#include "sqlitefile.h"

#include "asidepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>

namespace {

// SQLite's result codes, as Qt's driver reports them.
const int kCorrupt = 11;
const int kNotADatabase = 26;

} // namespace

bool SqliteFile::isForeign(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return false;
    static const QByteArray header("SQLite format 3", 16);
    return file.open(QIODevice::ReadOnly) && file.read(header.size()) != header;
}

bool SqliteFile::isUnreadable(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kCorrupt || code == kNotADatabase;
}

QString SqliteFile::moveAside(const QString &path, QString *error)
{
    const QString aside = AsidePath::unreadable(path);
    if (!QFile::rename(path, aside)) {
        *error = QCoreApplication::translate("SqliteFile", "nie udało się przenieść nieczytelnego pliku %1")
                     .arg(QDir::toNativeSeparators(path));
        return QString();
    }
    const QString wal = path + QStringLiteral("-wal");
    if (QFile::exists(wal) && !QFile::rename(wal, aside + QStringLiteral("-wal"))) {
        *error = QCoreApplication::translate("SqliteFile", "nie udało się przenieść pliku %1")
                     .arg(QDir::toNativeSeparators(wal));
        return QString();
    }
    // Only an index of the log, rebuilt from it when needed.
    const QString shm = path + QStringLiteral("-shm");
    if (QFile::exists(shm) && !QFile::rename(shm, aside + QStringLiteral("-shm")))
        QFile::remove(shm);
    return aside;
}
