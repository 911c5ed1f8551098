#include "commandlanguage.h"

#include <QHash>

namespace CommandLanguage {

namespace {

constexpr int kLeastProcessableParts = 2;

QString afterFirstParen(const QString &text)
{
    return text.mid(text.indexOf(QLatin1Char('(')) + 1);
}

QStringList splitParts(const QString &text)
{
    return text.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

// Plain decimal integers, the usual case, are read without Qt's general
// number parsing; anything else (signs, spaces, overflow, "-0") is left to it.
bool plainInteger(const QStringRef &text, qint64 *value)
{
    const int size = text.size();
    const bool negative = size > 0 && text.at(0) == QLatin1Char('-');
    const int digits = size - (negative ? 1 : 0);
    if (digits < 1 || digits > 15)
        return false;
    qint64 v = 0;
    for (int i = negative ? 1 : 0; i < size; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (negative && v == 0)
        return false;
    *value = negative ? -v : v;
    return true;
}

// Tenths of a degree printed as the 'g' format with six significant digits
// prints them, when they fit in six digits.
bool plainTenths(qint64 tenths, QString *out)
{
    if (tenths < -999999 || tenths > 999999)
        return false;
    const qint64 whole = tenths / 10;
    const qint64 fraction = qAbs(tenths % 10);
    QString text = (tenths < 0 && whole == 0) ? QStringLiteral("-0") : QString::number(whole);
    if (fraction != 0)
        text += QLatin1Char('.') + QChar(ushort('0' + fraction));
    *out = text;
    return true;
}

QHash<QString, QString> entryMap(const QStringList &parts)
{
    QHash<QString, QString> map;
    for (const QString &part : parts)
        map.insert(entryKey(part), entryValue(part));
    return map;
}

QStringList identityParts(const QHash<QString, QString> &map, const QString &prefix, int count)
{
    QStringList values;
    for (int k = 0; k < count; ++k)
        values << map.value(prefix + QString::number(k));
    return values;
}

} // namespace

QString getAllCommand()
{
    return QStringLiteral("get_all;");
}

QString describeAllCommand()
{
    return QStringLiteral("describe_all;");
}

QString identityCommand()
{
    return QStringLiteral("get(dev.mac;dev.serial;dev.ver;);");
}

QString getCommand(const QStringList &names)
{
    QString command = QStringLiteral("get(");
    for (const QString &name : names)
        command += name + QLatin1Char(';');
    return command + QStringLiteral(");");
}

QString setCommand(const QList<QPair<QString, QString>> &assignments)
{
    QString command = QStringLiteral("set(");
    for (const auto &a : assignments)
        command += a.first + QLatin1Char('=') + a.second + QLatin1Char(';');
    return command + QStringLiteral(");");
}

QStringList prepareValues(const QString &reply)
{
    QStringList parts;
    for (const QStringRef &part : prepareValueRefs(reply))
        parts << part.toString();
    return parts;
}

QVector<QStringRef> prepareValueRefs(const QString &reply)
{
    const QStringRef trimmed = QStringRef(&reply).trimmed();
    const QStringRef body = trimmed.mid(trimmed.indexOf(QLatin1Char('(')) + 1);
    // A body shorter than the closing it is cut by holds no entries.
    return body.left(qMax(0, body.size() - 2)).split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

QStringList prepareForDeviceEditor(const QString &reply)
{
    const QString trimmed = reply.trimmed();
    return splitParts(afterFirstParen(trimmed.left(qMax(0, trimmed.size() - 3))));
}

QStringList prepareDescription(const QString &reply)
{
    return splitParts(afterFirstParen(reply.trimmed()));
}

bool isProcessable(const QStringList &parts)
{
    return parts.size() >= kLeastProcessableParts;
}

bool isProcessable(const QVector<QStringRef> &parts)
{
    return parts.size() >= kLeastProcessableParts;
}

QStringRef entryKeyRef(const QStringRef &part)
{
    return part.left(part.indexOf(QLatin1Char('=')));
}

QStringRef entryValueRef(const QStringRef &part)
{
    const int eq = part.indexOf(QLatin1Char('='));
    return eq < 0 ? QStringRef() : part.mid(eq + 1);
}

QString entryKey(const QString &part)
{
    return entryKeyRef(QStringRef(&part)).toString();
}

QString entryValue(const QString &part)
{
    return entryValueRef(QStringRef(&part)).toString();
}

bool isCandidate(const QString &part, const QString &devVar)
{
    return part.contains(devVar);
}

bool isMatch(const QString &part, const QString &devVar)
{
    const QString key = entryKey(part);
    return key == devVar || key.contains(devVar + QStringLiteral(".value"));
}

bool keptValue(const QStringList &parts, const QString &devVar, QString *kept)
{
    bool found = false;
    for (const QString &part : parts) {
        if (isCandidate(part, devVar) && isMatch(part, devVar)) {
            found = true;
            *kept = entryValue(part);
        }
    }
    return found;
}

bool sameValue(const QString &sent, const QString &kept)
{
    bool sentNumber = false;
    bool keptNumber = false;
    const double a = sent.toDouble(&sentNumber);
    const double b = kept.toDouble(&keptNumber);
    return sent == kept || (sentNumber && keptNumber && a == b);
}

bool decode(const QString &schemeType, const QString &key, const QString &value, QString *decoded)
{
    return decode(schemeType, QStringRef(&key), QStringRef(&value), decoded);
}

bool decode(const QString &schemeType, const QStringRef &key, const QStringRef &value, QString *decoded)
{
    qint64 plain = 0;
    if (schemeType == QLatin1String("temp")) {
        if (key.endsWith(QLatin1String(".err")))
            return false;
        if (!plainInteger(value, &plain) || !plainTenths(plain, decoded))
            *decoded = QString::number(value.toDouble() / 10.0, 'g', 6);
        return true;
    }
    if (schemeType == QLatin1String("real")) {
        // A fraction is the number it says: read as an integer, 72.5 would be
        // shown as 0. Minus zero is shown as zero.
        const double number = value.toDouble();
        *decoded = QString::number(number == 0 ? 0.0 : number, 'g', 15);
        return true;
    }
    if (schemeType == QLatin1String("int") || schemeType == QLatin1String("logic")
        || schemeType == QLatin1String("percent")) {
        *decoded = QString::number(plainInteger(value, &plain) ? plain : value.toLongLong(nullptr, 10));
        return true;
    }
    return false;
}

Identity composeIdentity(const QStringList &parts)
{
    const QHash<QString, QString> map = entryMap(parts);
    const QStringList serial = identityParts(map, QStringLiteral("dev.serial."), 4);
    Identity id;
    id.mac = identityParts(map, QStringLiteral("dev.mac."), 6).join(QLatin1Char(':'));
    id.serial = serial.at(0).rightJustified(4, QLatin1Char('0')) + QLatin1Char('-')
        + serial.at(1).rightJustified(4, QLatin1Char('0')) + QLatin1Char('-') + serial.at(2)
        + QLatin1Char('-') + serial.at(3).rightJustified(6, QLatin1Char('0'));
    id.version = identityParts(map, QStringLiteral("dev.ver."), 3).join(QLatin1Char('.'));
    return id;
}

QStringList variableCatalogue(const QStringList &parts)
{
    QStringList names;
    QString previous;
    for (const QString &part : parts) {
        const QString key = entryKey(part);
        const int dot = key.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0)
            continue;
        const QString name = key.left(dot);
        if (name != previous)
            names << name;
        previous = name;
    }
    return names;
}

} // namespace CommandLanguage
