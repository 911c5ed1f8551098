#pragma once

#include <QStringList>

class QDomElement;

// What a reader leaves alone is written back: a later version's file
// survives a save by this one.
namespace XmlKeep {

// Copies the attributes of from that known does not name onto to.
void unknownAttributes(const QDomElement &from, const QStringList &known, QDomElement &to);

} // namespace XmlKeep
