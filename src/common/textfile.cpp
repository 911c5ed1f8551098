#include "textfile.h"

#include "regularfile.h"
#include "xmlsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextCodec>

namespace TextFile {

namespace {

// A byte order mark is text like any other, kept as it came.
QTextCodec::ConverterState keepingHeader()
{
    return QTextCodec::ConverterState(QTextCodec::IgnoreHeader);
}

QByteArray encoded(const QTextCodec *codec, const QString &text)
{
    QTextCodec::ConverterState state = keepingHeader();
    return codec->fromUnicode(text.constData(), text.size(), &state);
}

QString decoded(const QTextCodec *codec, const QByteArray &bytes)
{
    QTextCodec::ConverterState state = keepingHeader();
    return codec->toUnicode(bytes.constData(), bytes.size(), &state);
}

QString lineEndText(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return QStringLiteral("\r\n");
    case LineEnd::Cr:
        return QStringLiteral("\r");
    case LineEnd::Paragraph:
        return QString(QChar::ParagraphSeparator);
    case LineEnd::Lf:
        break;
    }
    return QStringLiteral("\n");
}

} // namespace

QByteArrayList legacyEncodings()
{
    return {QByteArrayLiteral("Windows-1250"), QByteArrayLiteral("ISO-8859-2"), QByteArrayLiteral("ISO-8859-1")};
}

QByteArray utf8()
{
    return QByteArrayLiteral("UTF-8");
}

QString read(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    QString reason;
    if (RegularFile::openForReading(file, &reason) != RegularFile::Opened::Yes)
        return reason;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

bool decode(const QByteArray &bytes, const QByteArray &encoding, QString *text)
{
    const QTextCodec *codec = QTextCodec::codecForName(encoding);
    if (!codec)
        return false;
    *text = decoded(codec, bytes);
    return encoded(codec, *text) == bytes;
}

QString splitLines(const QString &text, QVector<LineEnd> *ends)
{
    ends->clear();
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            ends->append(LineEnd::CrLf);
            ++i;
        } else if (c == QLatin1Char('\r')) {
            ends->append(LineEnd::Cr);
        } else if (c == QLatin1Char('\n')) {
            ends->append(LineEnd::Lf);
        } else if (c == QChar::ParagraphSeparator) {
            ends->append(LineEnd::Paragraph);
        } else {
            out += c;
            continue;
        }
        out += QLatin1Char('\n');
    }
    return out;
}

QString joinLines(const QStringList &lines, const QVector<LineEnd> &ends)
{
    QString out;
    for (int i = 0; i < lines.size(); ++i) {
        out += lines.at(i);
        if (i + 1 < lines.size())
            out += lineEndText(ends.value(i, LineEnd::Lf));
    }
    return out;
}

QString write(const QString &path, const QString &text, const QByteArray &encoding)
{
    const QTextCodec *codec = QTextCodec::codecForName(encoding);
    const QByteArray bytes = codec ? encoded(codec, text) : QByteArray();
    if (!codec || decoded(codec, bytes) != text)
        return QDir::toNativeSeparators(path) + QStringLiteral(": ")
            + QCoreApplication::translate("TextFile", "tekst zawiera znaki, których nie da się zapisać w kodowaniu %1; "
                                                      "plik nie został zapisany")
                  .arg(QString::fromLatin1(encoding));
    return XmlSave::write(path, bytes);
}

} // namespace TextFile
