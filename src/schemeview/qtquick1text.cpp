#include "qtquick1text.h"

#include <QRegularExpression>

namespace QtQuick1Text {

QString toQtQuick2(const QString &text)
{
    static const QRegularExpression oldImport(
        QStringLiteral("^(\\s*\\.?import\\s+)(?:QtQuick\\s+1\\.\\d+|Qt\\s+4\\.7)\\b"),
        QRegularExpression::MultilineOption);
    QString result = text;
    return result.replace(oldImport, QStringLiteral("\\1QtQuick 2.0"));
}

} // namespace QtQuick1Text
