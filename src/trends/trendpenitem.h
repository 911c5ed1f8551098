#pragma once

#include "trendpen.h"

#include <qwt_plot_item.h>

#include <QPolygonF>
#include <QVector>

// One pen on the canvas: its lines, its alarm limits dashed, a mark at the
// foot of the canvas where one of its alarms was raised, and, for a switch,
// its name on its lane.
class TrendPenItem : public QwtPlotItem
{
public:
    TrendPenItem(const TrendPen &pen, const QVector<QPolygonF> &lines, const QVector<qint64> &raisedMs);

    int rtti() const override { return QwtPlotItem::Rtti_PlotUserItem; }
    void draw(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
              const QRectF &canvasRect) const override;
    const TrendPen &pen() const { return m_pen; }

private:
    void fillBars(QPainter *painter, const QVector<QRectF> &bars) const;
    void drawLimits(QPainter *painter, const QwtScaleMap &yMap, const QRectF &canvasRect) const;
    void drawRaises(QPainter *painter, const QwtScaleMap &xMap, const QRectF &canvasRect) const;

    TrendPen m_pen;
    QVector<QPolygonF> m_lines;
    QVector<qint64> m_raisedMs;
};
