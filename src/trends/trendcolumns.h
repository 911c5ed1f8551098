#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QVector>

// A solid line of a step per pixel column or denser, as the trend draws a
// long range, covers in each column the span from where it enters to the
// farthest it goes: one bar per column, the pen's width wide, paints the
// pixels the stroke would, without the raster engine's cost of stroking
// thousands of joins.
namespace TrendColumns {

// The bars of line (in pixels) for a pen of width; false, and nothing in
// bars, when its points lie farther apart than a column (a zoomed-in view
// of raw samples), which is stroked as it is.
bool bars(const QPolygonF &line, double width, QVector<QRectF> *bars);

} // namespace TrendColumns
