#include "unreadablecopy.h"

#include "regularfile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace UnreadableCopy {

namespace {

const int kMostCopies = 999;

QString suffix(int n)
{
    return n == 1 ? QStringLiteral(".unreadable") : QStringLiteral(".unreadable-") + QString::number(n);
}

// Empty when every name is taken.
QString freePath(const QString &path)
{
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString copy = path + suffix(n);
        if (!QFileInfo::exists(copy) && !QFileInfo(copy).isSymLink())
            return copy;
    }
    return QString();
}

QString failure(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ")
        + QCoreApplication::translate("UnreadableCopy", "nie udało się zachować kopii nieczytelnego pliku: %1").arg(reason);
}

} // namespace

QString longestSuffix()
{
    return suffix(kMostCopies);
}

QString keep(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return QString();
    QFile file(path);
    QString reason;
    // Opened without following a link, in case one has taken the file's place.
    const RegularFile::Opened opened = RegularFile::openForReading(file, &reason, RegularFile::Links::Refuse);
    if (opened == RegularFile::Opened::Missing)
        return QString();
    if (opened == RegularFile::Opened::Refused)
        return failure(path, reason);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(path, file.errorString());
    const QString copy = freePath(path);
    if (copy.isEmpty())
        return failure(path, QCoreApplication::translate("UnreadableCopy", "wszystkie nazwy kopii są zajęte"));
    const QString error = XmlSave::write(copy, bytes);
    return error.isEmpty() ? QString() : failure(path, error);
}

} // namespace UnreadableCopy
