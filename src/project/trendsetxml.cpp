#include "trendsetxml.h"

#include "monitoringcheck.h"
#include "xmlkeep.h"

namespace {

const QString kName = QStringLiteral("name");
const QString kPoint = QStringLiteral("point");
const QString kColour = QStringLiteral("colour");
const QString kWidth = QStringLiteral("width");
const QString kStyle = QStringLiteral("style");

// A pen names a point; a drawing attribute it cannot use leaves the
// default, so that a typo in a colour does not lose the point.
bool readPen(const QDomElement &e, TrendPenRecord *pen)
{
    TrendPenRecord p;
    p.point = e.attribute(kPoint);
    if (p.point.isEmpty())
        return false;
    if (MonitoringCheck::isPenColour(e.attribute(kColour)))
        p.colour = e.attribute(kColour);
    bool ok = false;
    const double width = e.attribute(kWidth).toDouble(&ok);
    if (ok && MonitoringCheck::isPenWidth(width))
        p.width = width;
    if (MonitoringCheck::isPenStyle(e.attribute(kStyle)))
        p.style = e.attribute(kStyle);
    *pen = p;
    return true;
}

// The first pen of each point, at most the record's limit; the others in
// unusable.
QList<TrendPenRecord> readPens(const QDomElement &trend, QList<QDomElement> *unusable)
{
    QList<TrendPenRecord> pens;
    QStringList points;
    for (QDomElement e = trend.firstChildElement(TrendSetXml::penTag()); !e.isNull();
         e = e.nextSiblingElement(TrendSetXml::penTag())) {
        TrendPenRecord pen;
        if (readPen(e, &pen) && !points.contains(pen.point) && pens.size() < TrendSetRecord::kMaxPens) {
            points << pen.point;
            pens << pen;
        } else if (unusable) {
            unusable->append(e);
        }
    }
    return pens;
}

QDomElement oldPen(const QDomElement &trend, const QString &point)
{
    for (QDomElement e = trend.firstChildElement(TrendSetXml::penTag()); !e.isNull();
         e = e.nextSiblingElement(TrendSetXml::penTag())) {
        if (e.attribute(kPoint) == point)
            return e;
    }
    return QDomElement();
}

// Written when it differs from the default; else as the file had it, if it
// had it at the default or unreadable.
void drawingAttribute(QDomElement &e, const QString &name, const QString &text, bool isDefault, const QDomElement &old,
                      bool oldIsDefault)
{
    if (!isDefault)
        e.setAttribute(name, text);
    else if (oldIsDefault && old.hasAttribute(name))
        e.setAttribute(name, old.attribute(name));
}

QDomElement penElement(QDomDocument &doc, const TrendPenRecord &pen, const QDomElement &old)
{
    const TrendPenRecord defaults;
    TrendPenRecord was;
    readPen(old, &was);
    QDomElement e = doc.createElement(TrendSetXml::penTag());
    e.setAttribute(kPoint, pen.point);
    drawingAttribute(e, kColour, pen.colour, pen.colour.isEmpty(), old, was.colour.isEmpty());
    drawingAttribute(e, kWidth, QString::number(pen.width), pen.width == defaults.width, old, was.width == defaults.width);
    drawingAttribute(e, kStyle, pen.style, pen.style == defaults.style, old, was.style == defaults.style);
    if (!old.isNull()) {
        XmlKeep::unknownAttributes(old, TrendSetXml::penAttributes(), e);
        for (QDomElement child = old.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
            e.appendChild(doc.importNode(child, true));
    }
    return e;
}

} // namespace

namespace TrendSetXml {

QString trendTag()
{
    return QStringLiteral("Trend");
}

QString penTag()
{
    return QStringLiteral("Pen");
}

const QStringList &trendAttributes()
{
    static const QStringList names{kName};
    return names;
}

const QStringList &penAttributes()
{
    static const QStringList names{kPoint, kColour, kWidth, kStyle};
    return names;
}

QList<TrendSetRecord> readTrends(const QDomElement &root, QList<QDomElement> *unusable)
{
    QList<TrendSetRecord> trends;
    QStringList names;
    for (QDomElement e = root.firstChildElement(trendTag()); !e.isNull(); e = e.nextSiblingElement(trendTag())) {
        const QString name = e.attribute(kName);
        if (name.trimmed().isEmpty() || names.contains(name)) {
            if (unusable)
                unusable->append(e);
            continue;
        }
        names << name;
        trends.append({name, readPens(e, nullptr)});
    }
    return trends;
}

QDomElement trendElement(QDomDocument &doc, const TrendSetRecord &trend, const QDomElement &old)
{
    QDomElement e = doc.createElement(trendTag());
    e.setAttribute(kName, trend.name);
    for (const TrendPenRecord &pen : trend.pens)
        e.appendChild(penElement(doc, pen, oldPen(old, pen.point)));
    if (old.isNull())
        return e;
    XmlKeep::unknownAttributes(old, trendAttributes(), e);
    QList<QDomElement> unusable;
    readPens(old, &unusable);
    for (QDomElement child = old.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.tagName() != penTag() || unusable.contains(child))
            e.appendChild(doc.importNode(child, true));
    }
    return e;
}

} // namespace TrendSetXml
