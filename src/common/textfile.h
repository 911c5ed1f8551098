#pragma once

#include <QString>

// Text files kept in the encoding they came in: UTF-8 when the bytes are
// valid UTF-8, else ISO 8859-1, which any byte sequence is.
namespace TextFile {

enum class Encoding { Utf8, Latin1 };
// The file's line ends, as its first line end tells.
enum class LineEnd { Lf, CrLf };

// Returns false when the file cannot be read. Line ends become "\n".
bool read(const QString &path, QString *text, Encoding *encoding, LineEnd *lineEnd = nullptr);

// Writes atomically. A Latin-1 file whose text no longer fits ISO 8859-1 is
// written as UTF-8 instead (encoding tells which). Returns an empty string on
// success, else what went wrong. Each "\n" of the text is written as the
// line end given.
QString write(const QString &path, const QString &text, Encoding *encoding, LineEnd lineEnd = LineEnd::Lf);

} // namespace TextFile
