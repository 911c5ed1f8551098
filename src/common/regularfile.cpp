#include "regularfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

namespace {

Opened refused(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return Opened::Refused;
}

Opened failed(QString *reason, int error)
{
    refused(reason, QString::fromLocal8Bit(std::strerror(error)));
    return error == ENOENT || error == ENOTDIR ? Opened::Missing : Opened::Refused;
}

Opened isLink(QString *reason)
{
    return refused(reason, QCoreApplication::translate("RegularFile", "jest dowiązaniem, nie zostanie odczytany"));
}

Opened notRegular(QString *reason, const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        return isLink(reason);
    return refused(reason, QCoreApplication::translate("RegularFile", "nie jest zwykłym plikiem, nie zostanie odczytany"));
}

} // namespace

Opened openForReading(QFile &file, QString *reason, Links links)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    const bool follow = links == Links::Follow;
    // Looked at first, so that a device is never opened at all.
    struct stat st;
    if ((follow ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0)
        return failed(reason, errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(reason, st);
    // Without blocking, since the name may have come to stand for a pipe
    // since it was looked at; what was opened is looked at once more.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return errno == ELOOP && !follow ? isLink(reason) : failed(reason, errno);
    const int looked = ::fstat(fd, &st);
    if (looked != 0 || !S_ISREG(st.st_mode)) {
        const int error = errno;
        ::close(fd);
        return looked != 0 ? failed(reason, error) : notRegular(reason, st);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(reason, file.errorString());
    }
    return Opened::Yes;
}

} // namespace RegularFile
