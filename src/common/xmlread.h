#pragma once

#include "regularfile.h"

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

class QDomDocument;

// Reading XML files the forgiving way every reader here shares, with one
// guard: a document nested deeper than maxDepth() is unreadable, since the
// DOM parser would overflow the stack on it.
namespace XmlRead {

// Unreadable: there, but broken, too deep, or not a regular file that can
// be opened (see RegularFile).
enum class Status { Missing, Unreadable, Read };

int maxDepth();

// Parses the file into doc, after a streaming pass has bounded its depth.
Status parse(const QString &path, QDomDocument &doc);

// Walks the start elements of a file once. Readers collect what they need
// and keep it only when status() is Read, so a file that turns out broken
// half-way gives nothing, as a failed DOM parse would.
class ElementStream
{
public:
    explicit ElementStream(const QString &path);

    // Moves to the next start element; false at the end or on an error.
    bool next();
    int depth() const { return m_depth; } // 1 for the root
    QStringRef name() const { return m_reader.name(); }
    QString attribute(const QString &name) const;

    // Meaningful once next() returned false.
    Status status() const;

private:
    QFile m_file;
    RegularFile::Opened m_opened;
    QXmlStreamReader m_reader;
    int m_depth = 0;
    bool m_tooDeep = false;
};

} // namespace XmlRead
