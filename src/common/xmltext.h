#pragma once

#include <QString>

// Characters an XML 1.0 document can carry. Text typed by a user may hold
// others (control characters, lone surrogates, U+FFFE); written as they are
// they would make the file unreadable.
namespace XmlText {

// Whether every character of text can stand in an XML document.
bool isXmlSafe(const QString &text);

// text with every character XML cannot carry replaced by U+FFFD.
QString xmlSafe(const QString &text);

} // namespace XmlText
