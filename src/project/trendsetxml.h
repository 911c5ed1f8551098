#pragma once

#include "trendsetrecord.h"

#include <QDomElement>
#include <QList>
#include <QStringList>

// The named trends of monitoring.xml: Trend elements with a name, each with
// Pen elements naming a point and how it is drawn.
namespace TrendSetXml {

QString trendTag(); // "Trend"
QString penTag();   // "Pen"
const QStringList &trendAttributes();
const QStringList &penAttributes();

// The usable Trend children of root, in file order. Unusable: one without
// a name, or with the name of one before it; it is kept as it stands.
QList<TrendSetRecord> readTrends(const QDomElement &root, QList<QDomElement> *unusable = nullptr);

// The trend as an element. old is its element in the file on disk, or
// null: its unknown attributes and children stay, its unusable pens as
// they stand, and a drawing attribute it held at the default or unreadable
// stays as written while the record keeps the default.
QDomElement trendElement(QDomDocument &doc, const TrendSetRecord &trend, const QDomElement &old);

} // namespace TrendSetXml
