#include "sqlrows.h"

namespace SqlRows {

int perStatement(int left)
{
    return left >= 256 ? 256 : left >= 16 ? 16 : 1;
}

QString placeholders(int rows, int columns)
{
    QString one = QStringLiteral("(?");
    for (int c = 1; c < columns; ++c)
        one += QStringLiteral(",?");
    one += QLatin1Char(')');
    QString all;
    all.reserve(rows * (one.size() + 1));
    for (int r = 0; r < rows; ++r) {
        if (r)
            all += QLatin1Char(',');
        all += one;
    }
    return all;
}

QVariant text(const QString &s)
{
    if (s.isNull())
        return QString(QLatin1String(""));
    if (!s.contains(QChar::Null))
        return s;
    return QString(s).replace(QChar::Null, QChar::ReplacementCharacter);
}

} // namespace SqlRows
