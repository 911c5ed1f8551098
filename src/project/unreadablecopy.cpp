#include "unreadablecopy.h"

#include "asidepath.h"
#include "regularfile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace UnreadableCopy {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ")
        + QCoreApplication::translate("UnreadableCopy", "nie udało się zachować kopii nieczytelnego pliku: %1").arg(reason);
}

} // namespace

QString longestSuffix()
{
    return AsidePath::longestSuffix();
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
    const QString copy = AsidePath::unreadable(path);
    if (copy.isEmpty())
        return failure(path, QCoreApplication::translate("UnreadableCopy", "wszystkie nazwy kopii są zajęte"));
    const QString error = XmlSave::write(copy, bytes);
    return error.isEmpty() ? QString() : failure(path, error);
}

} // namespace UnreadableCopy
