#include "xmlkeep.h"

#include <QDomElement>
#include <QDomNamedNodeMap>

namespace XmlKeep {

void unknownAttributes(const QDomElement &from, const QStringList &known, QDomElement &to)
{
    const QDomNamedNodeMap attributes = from.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        if (!known.contains(a.name()))
            to.setAttribute(a.name(), a.value());
    }
}

} // namespace XmlKeep
