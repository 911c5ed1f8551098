#pragma once

#include <QString>

class QDomDocument;

// Reading XML files the forgiving way every reader here shares.
namespace XmlRead {

// Parses the file into doc. Returns false when it cannot be opened or does
// not parse; opened (when given) tells the two apart.
bool parse(const QString &path, QDomDocument &doc, bool *opened = nullptr);

} // namespace XmlRead
