#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QDomDocument;

// Writes whole XML documents atomically: the new content goes to a temporary
// file that replaces the old one only once it is complete, so a crash or a
// full disk never leaves a half-written or deleted file behind.
namespace XmlSave {

// Per element name, the order its attributes are written in; attributes not
// listed follow in name order. The same data always gives the same bytes.
using AttributeOrder = QHash<QString, QStringList>;

// A new document with the XML declaration and a document type named
// docTypeName (none when empty).
QDomDocument newDocument(const QString &docTypeName);

// Writes doc as UTF-8, one space of indentation per level, characters XML
// cannot carry replaced by U+FFFD; unless the file already holds exactly
// these bytes (then it is left alone, its time stamp too). Only a regular
// file is replaced: a link or anything else in its place is refused.
// Returns an empty string on success, else the file and the system's reason.
QString write(const QString &path, const QDomDocument &doc, const AttributeOrder &order);

// The same, for bytes made otherwise: by a Builder, or a text file's.
QString write(const QString &path, const QByteArray &bytes);

// Builds the bytes of a new document element by element, printed as write()
// prints a document, without a document tree: attributes in the order given.
class Builder
{
public:
    explicit Builder(const QString &docTypeName);

    void start(const QString &name);
    void attribute(const QString &name, const QString &value);
    void end();
    QByteArray bytes() const { return m_out.toUtf8(); }

private:
    void closeStartTag();

    QString m_out;
    QStringList m_open;
    bool m_startTagOpen = false;
};

} // namespace XmlSave
