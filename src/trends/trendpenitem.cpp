#include "trendpenitem.h"

#include "trendcolumns.h"

#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>

TrendPenItem::TrendPenItem(const TrendPen &pen, const QVector<QPolygonF> &lines, const QVector<qint64> &raisedMs)
    : m_pen(pen)
    , m_lines(lines)
    , m_raisedMs(raisedMs)
{
    setZ(20);
}

void TrendPenItem::draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                        const QRectF &canvasRect) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, !m_pen.logic);
    drawLimits(painter, yMap, canvasRect);
    QPen line(m_pen.colour, m_pen.width, m_pen.style);
    line.setCapStyle(Qt::FlatCap);
    painter->setPen(line);
    painter->setBrush(m_pen.colour);
    QVector<QRectF> bars;
    for (const QPolygonF &values : m_lines) {
        QPolygonF shown(values.size());
        for (int i = 0; i < values.size(); ++i)
            shown[i] = QPointF(xMap.transform(values[i].x()), yMap.transform(m_pen.band.toPlot(values[i].y())));
        // A stroke of one step still shows as a dot. Qwt cuts a long line
        // into pieces: the raster engine strokes a wide one in a time that
        // grows with the square of its points.
        if (shown.size() == 1)
            painter->drawPoint(shown.first());
        else if (m_pen.style == Qt::SolidLine && TrendColumns::bars(shown, m_pen.width, &bars))
            fillBars(painter, bars);
        else
            QwtPainter::drawPolyline(painter, shown);
    }
    if (m_pen.logic) {
        painter->setPen(m_pen.colour);
        const double laneTop = yMap.transform(m_pen.band.toPlot(m_pen.band.hi)) - 2;
        painter->drawText(QPointF(canvasRect.left() + 4, laneTop), m_pen.label);
    }
    drawRaises(painter, xMap, canvasRect);
    painter->restore();
}

void TrendPenItem::fillBars(QPainter *painter, const QVector<QRectF> &bars) const
{
    const QPen line = painter->pen();
    painter->setPen(Qt::NoPen);
    painter->drawRects(bars);
    painter->setPen(line);
}

void TrendPenItem::drawLimits(QPainter *painter, const QwtScaleMap &yMap, const QRectF &canvasRect) const
{
    painter->setPen(QPen(m_pen.colour, 1, Qt::DashLine));
    for (const double limit : m_pen.limits) {
        const double y = yMap.transform(m_pen.band.toPlot(limit));
        painter->drawLine(QPointF(canvasRect.left(), y), QPointF(canvasRect.right(), y));
    }
}

void TrendPenItem::drawRaises(QPainter *painter, const QwtScaleMap &xMap, const QRectF &canvasRect) const
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_pen.colour);
    const double foot = canvasRect.bottom();
    for (const qint64 t : m_raisedMs) {
        const double x = xMap.transform(double(t));
        painter->drawPolygon(QPolygonF({QPointF(x, foot - 8), QPointF(x - 4, foot), QPointF(x + 4, foot)}));
    }
}
