#pragma once

#include <QStringList>
#include <QVector>

// Text files written back as they came: in their own encoding, every line
// with its own line end, so that a save changes only what was edited.
namespace TextFile {

// Paragraph: U+2029, which an editor's document takes for a line break too.
enum class LineEnd : quint8 { Lf, CrLf, Cr, Paragraph };

// The encodings a file that is not UTF-8 may be in, as codec names: the
// Polish ones first.
QByteArrayList legacyEncodings();
QByteArray utf8();

// The bytes of a regular file. Returns an empty string on success, else why
// it cannot be read.
QString read(const QString &path, QByteArray *bytes);

// The text bytes hold in encoding; false when the encoding would not give
// these very bytes back (for UTF-8: when they are not valid UTF-8). A byte
// order mark stays in the text.
bool decode(const QByteArray &bytes, const QByteArray &encoding, QString *text);

// The text with its line ends ("\r\n", "\r", "\n" or U+2029) made "\n";
// ends gets each of them in order.
QString splitLines(const QString &text, QVector<LineEnd> *ends);

// The lines joined, each but the last ended as ends says (missing ones "\n").
QString joinLines(const QStringList &lines, const QVector<LineEnd> &ends);

// Writes the text in encoding through the project's save helper (atomic, a
// link or anything but a regular file refused, unchanged bytes left alone).
// A text the encoding has no place for is not written: it is never
// re-encoded behind the operator's back. Returns an empty string on success,
// else what went wrong.
QString write(const QString &path, const QString &text, const QByteArray &encoding);

} // namespace TextFile
