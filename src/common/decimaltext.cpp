#include "decimaltext.h"

#include <QLocale>
#include <QtNumeric>

namespace DecimalText {

bool parse(const QString &text, double *value)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !qIsFinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace DecimalText
