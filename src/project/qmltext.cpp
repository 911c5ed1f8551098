#include "qmltext.h"

#include "regularfile.h"

#include <QFile>
#include <QRegularExpression>

namespace QmlText {

namespace {

// The text between the first quote after from and the matching quote.
QString firstQuoted(const QString &text, int from, bool *found)
{
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\"|'([^']*)'"));
    const QRegularExpressionMatch m = quoted.match(text, from);
    *found = m.hasMatch();
    return m.captured(1).isNull() ? m.captured(2) : m.captured(1);
}

} // namespace

QStringList itemClickedNames(const QString &text)
{
    QStringList names;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (!line.contains(QLatin1String("itemClicked")) || colon < 0)
            continue;
        bool found = false;
        const QString name = firstQuoted(line, colon + 1, &found).trimmed();
        if (found)
            names << name;
    }
    return names;
}

QStringList propertyNames(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList names;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList words = line.trimmed().split(space, Qt::SkipEmptyParts);
        if (words.size() >= 3 && words.first() == QLatin1String("property"))
            names << words.at(2).section(QLatin1Char(':'), 0, 0);
    }
    return names;
}

QString readFile(const QString &path, bool *ok)
{
    QFile file(path);
    const bool opened = RegularFile::openForReading(file) == RegularFile::Opened::Yes;
    if (ok)
        *ok = opened;
    return opened ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace QmlText
