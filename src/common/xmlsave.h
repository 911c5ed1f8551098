#pragma once

#include <QString>

class QDomDocument;

// Writes whole XML documents atomically: the new content goes to a temporary
// file that replaces the old one only once it is complete, so a crash or a
// full disk never leaves a half-written or deleted file behind.
namespace XmlSave {

// A new document with the XML declaration and a document type named
// docTypeName (none when empty).
QDomDocument newDocument(const QString &docTypeName);

// Writes doc as UTF-8 with one space of indentation per level. Returns an
// empty string on success, otherwise a description of what went wrong.
QString write(const QString &path, const QDomDocument &doc);

} // namespace XmlSave
