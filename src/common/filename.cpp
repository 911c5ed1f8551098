#include "filename.h"

#include "xmltext.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace FileName {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileName", text);
}

// Device names are reserved whatever extension follows them; Windows takes
// the superscript digits ¹²³ for ports as well.
bool isReservedDeviceName(const QString &name)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00B9\u00B2\u00B3]|LPT[0-9\u00B9\u00B2\u00B3])( *)(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

bool hasForbiddenCharacter(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return true;
    }
    return !XmlText::isXmlSafe(name);
}

} // namespace

QString problem(const QString &name, const QString &extension)
{
    if (name.trimmed().isEmpty())
        return tr("nazwa jest pusta");
    if (name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1String("..")))
        return tr("nazwa nie może zawierać \"..\"");
    if (hasForbiddenCharacter(name))
        return tr("nazwa zawiera znak niedozwolony w nazwie pliku");
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.')))
        return tr("nazwa nie może kończyć się spacją ani kropką");
    if (isReservedDeviceName(name))
        return tr("nazwa jest zarezerwowana przez system");
    // 255 bytes is the limit of common file systems.
    if ((name + extension).toUtf8().size() > 255)
        return tr("nazwa jest za długa");
    return QString();
}

} // namespace FileName
