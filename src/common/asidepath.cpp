#include "asidepath.h"

#include <QFile>
#include <QFileInfo>

QString AsidePath::unreadable(const QString &path)
{
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; QFile::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".unreadable-") + QString::number(n);
    return aside;
}
