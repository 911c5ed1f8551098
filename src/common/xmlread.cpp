#include "xmlread.h"

#include "regularfile.h"

#include <QDomDocument>

namespace XmlRead {

// Deep enough for any menu tree an operator builds, shallow enough for the
// stack of the DOM parser and of the printer.
int maxDepth()
{
    return 1024;
}

ElementStream::ElementStream(const QString &path)
    : m_file(path)
    , m_opened(RegularFile::openForReading(m_file))
{
    if (m_opened == RegularFile::Opened::Yes)
        m_reader.setDevice(&m_file);
}

bool ElementStream::next()
{
    if (!m_file.isOpen() || m_tooDeep)
        return false;
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > maxDepth()) {
                m_tooDeep = true;
                return false;
            }
            return true;
        case QXmlStreamReader::EndElement:
            --m_depth;
            break;
        default:
            break;
        }
    }
    return false;
}

QString ElementStream::attribute(const QString &name) const
{
    return m_reader.attributes().value(name).toString();
}

Status ElementStream::status() const
{
    if (m_opened != RegularFile::Opened::Yes)
        return m_opened == RegularFile::Opened::Missing ? Status::Missing : Status::Unreadable;
    return m_tooDeep || m_reader.hasError() ? Status::Unreadable : Status::Read;
}

Status parse(const QString &path, QDomDocument &doc)
{
    ElementStream stream(path);
    while (stream.next()) {
    }
    if (stream.status() != Status::Read)
        return stream.status();
    QFile file(path);
    return RegularFile::openForReading(file) == RegularFile::Opened::Yes && doc.setContent(&file) ? Status::Read : Status::Unreadable;
}

} // namespace XmlRead
