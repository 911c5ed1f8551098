#include "xmlread.h"

#include <QDomDocument>
#include <QFile>

namespace XmlRead {

bool parse(const QString &path, QDomDocument &doc, bool *opened)
{
    QFile file(path);
    const bool isOpen = file.open(QIODevice::ReadOnly);
    if (opened)
        *opened = isOpen;
    return isOpen && doc.setContent(&file);
}

} // namespace XmlRead
