#pragma once

#include <QStringList>

// What the editors read out of a scheme's QML text without loading it.
namespace QmlText {

// The names the text passes to itemClicked: from every line holding
// "itemClicked" and a ":", the first quoted text after the ":" (double or
// single quotes), trimmed. Lines without a quoted name give none.
QStringList itemClickedNames(const QString &text);

// The properties the text declares: the third word of each line whose first
// word is "property", up to a ":" if it has one.
QStringList propertyNames(const QString &text);

// The file's text, or an empty text (and ok false) when it cannot be read.
QString readFile(const QString &path, bool *ok = nullptr);

} // namespace QmlText
