#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace TextFile {

bool read(const QString &path, QString *text, Encoding *encoding, LineEnd *lineEnd)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    if (lineEnd) {
        const int first = bytes.indexOf('\n');
        *lineEnd = first > 0 && bytes.at(first - 1) == '\r' ? LineEnd::CrLf : LineEnd::Lf;
    }
    bytes.replace("\r\n", "\n");
    QTextCodec::ConverterState state;
    const QString utf8 = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    const bool isUtf8 = state.invalidChars == 0 && state.remainingChars == 0;
    *encoding = isUtf8 ? Encoding::Utf8 : Encoding::Latin1;
    *text = isUtf8 ? utf8 : QString::fromLatin1(bytes);
    return true;
}

QString write(const QString &path, const QString &text, Encoding *encoding, LineEnd lineEnd)
{
    if (*encoding == Encoding::Latin1 && !QTextCodec::codecForName("ISO-8859-1")->canEncode(text))
        *encoding = Encoding::Utf8;
    QByteArray bytes = *encoding == Encoding::Utf8 ? text.toUtf8() : text.toLatin1();
    if (lineEnd == LineEnd::CrLf)
        bytes.replace('\n', "\r\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace TextFile
