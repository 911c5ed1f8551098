#include "asidepath.h"

#include <QFileInfo>

namespace {

const int kMostCopies = 999;

QString suffix(int n)
{
    return n == 1 ? QStringLiteral(".unreadable") : QStringLiteral(".unreadable-") + QString::number(n);
}

} // namespace

QString AsidePath::unreadable(const QString &path)
{
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString aside = path + suffix(n);
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return aside;
    }
    return QString();
}

QString AsidePath::longestSuffix()
{
    return suffix(kMostCopies);
}
