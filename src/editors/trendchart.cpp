#include "trendchart.h"

#include <QMouseEvent>
#include <qwt_date.h>
#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_painter.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_widget.h>
#include <qwt_plot_textlabel.h>

#include <algorithm>

namespace {

Qt::PenStyle penStyle(int lineStyle)
{
    switch (lineStyle) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DashDotLine;
    default:
        return Qt::SolidLine;
    }
}

// The point nearest in time; false when there is none.
bool nearest(const QVector<QPointF> &points, qreal x, QPointF *point)
{
    if (points.isEmpty())
        return false;
    *point = *std::min_element(points.cbegin(), points.cend(), [x](const QPointF &a, const QPointF &b) {
        return qAbs(a.x() - x) < qAbs(b.x() - x);
    });
    return true;
}

const QString kTimeFormat = QStringLiteral("hh:mm:ss");

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QwtPlot(parent)
    , m_tracker(new QwtPlotTextLabel)
{
    // Qwt cuts a polyline into pieces of six segments on the raster engine
    // (a workaround for Qt 4), and each piece starts its dash pattern anew:
    // with a point every 100 ms a piece is a pixel or two, and a dashed line
    // would show solid. Qt 5 draws a whole polyline fast enough.
    QwtPainter::setPolylineSplitting(false);
    setCanvasBackground(Qt::white);
    // A thin grey frame.
    if (auto *frame = qobject_cast<QwtPlotCanvas *>(canvas())) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, QColor(160, 160, 160));
        frame->setPalette(palette);
    }
    canvas()->setMouseTracking(true);
    canvas()->installEventFilter(this);

    // Time in local time, as hh:mm:ss whatever the step between the ticks.
    auto *timeDraw = new QwtDateScaleDraw(Qt::LocalTime);
    for (QwtDate::IntervalType type : {QwtDate::Millisecond, QwtDate::Second, QwtDate::Minute, QwtDate::Hour})
        timeDraw->setDateFormat(type, kTimeFormat);
    setAxisScaleDraw(QwtPlot::xBottom, timeDraw);
    setAxisScaleEngine(QwtPlot::xBottom, new QwtDateScaleEngine(Qt::LocalTime));
    setAxisMaxMajor(QwtPlot::xBottom, 6);
    setAxisMaxMinor(QwtPlot::xBottom, 5);
    // The axes' ticks against the frame, without a line of their own beside
    // it. (QwtPlotLayout::setAlignCanvasToScales would do more, but its
    // header does not build with QT_DISABLE_DEPRECATED_BEFORE 5.15.)
    for (int axis : {QwtPlot::yLeft, QwtPlot::xBottom}) {
        axisScaleDraw(axis)->enableComponent(QwtAbstractScaleDraw::Backbone, false);
        axisWidget(axis)->setMargin(0);
    }

    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QColor(220, 220, 220), 0, Qt::SolidLine);
    grid->attach(this);

    insertLegend(new QwtLegend, QwtPlot::BottomLegend);

    m_tracker->setZ(100);
    m_tracker->setMargin(6);
    m_tracker->attach(this);

    replot(QDateTime::currentDateTime());
}

const TrendChart::Entry *TrendChart::find(const QString &variable) const
{
    const auto it = std::find_if(m_lines.cbegin(), m_lines.cend(), [&](const Entry &e) { return e.variable == variable; });
    return it == m_lines.cend() ? nullptr : &*it;
}

TrendChart::Entry *TrendChart::find(const QString &variable)
{
    return const_cast<Entry *>(qAsConst(*this).find(variable));
}

QwtPlotCurve *TrendChart::curve(const QString &variable) const
{
    const Entry *e = find(variable);
    return e ? e->curve : nullptr;
}

// The first colour of a fixed set that no line has; past the set, they repeat.
QColor TrendChart::freeColor() const
{
    static const QVector<QColor> colors{QColor(31, 119, 180), QColor(214, 39, 40),  QColor(44, 160, 44),
                                        QColor(255, 127, 14), QColor(148, 103, 189), QColor(23, 190, 207),
                                        QColor(140, 86, 75),  QColor(227, 119, 194)};
    for (const QColor &c : colors) {
        if (std::none_of(m_lines.cbegin(), m_lines.cend(), [&](const Entry &e) { return e.curve->pen().color() == c; }))
            return c;
    }
    return colors.at(int(m_lines.size() % size_t(colors.size())));
}

void TrendChart::addLine(const QString &variable, const Line &line)
{
    removeLine(variable);
    auto *curve = new QwtPlotCurve(line.name.isEmpty() ? variable : line.name);
    curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    // The dialog offers no interpolation only: straight from point to point.
    curve->setStyle(QwtPlotCurve::Lines);
    curve->setCurveAttribute(QwtPlotCurve::Fitted, false);
    QPen pen(line.color.isValid() ? line.color : freeColor());
    pen.setStyle(penStyle(line.lineStyle));
    pen.setWidthF(line.width);
    curve->setPen(pen);
    // Long enough in the legend to show the dashes.
    curve->setLegendAttribute(QwtPlotCurve::LegendShowLine);
    curve->setLegendIconSize(QSize(30, 10));
    curve->attach(this);
    m_lines.push_back({variable, curve, {}});
}

void TrendChart::removeLine(const QString &variable)
{
    const auto it = std::find_if(m_lines.begin(), m_lines.end(), [&](const Entry &e) { return e.variable == variable; });
    if (it == m_lines.end())
        return;
    it->curve->detach();
    delete it->curve;
    m_lines.erase(it);
}

void TrendChart::addPoint(const QString &variable, const QDateTime &time, double value)
{
    if (Entry *e = find(variable)) {
        e->points.append(QPointF(QwtDate::toDouble(time), value));
        e->curve->setSamples(e->points);
    }
}

void TrendChart::replot(const QDateTime &now)
{
    const QDateTime start = now.addSecs(-kWindowSeconds);
    const double from = QwtDate::toDouble(start);
    double low = 0;
    double high = 1;
    bool any = false;
    for (Entry &e : m_lines) {
        const auto firstKept = std::find_if(e.points.begin(), e.points.end(), [from](const QPointF &p) { return p.x() >= from; });
        if (firstKept != e.points.begin()) {
            e.points.erase(e.points.begin(), firstKept);
            e.curve->setSamples(e.points);
        }
        for (const QPointF &p : qAsConst(e.points)) {
            low = any ? qMin(low, p.y()) : p.y();
            high = any ? qMax(high, p.y()) : p.y();
            any = true;
        }
    }
    const double margin = qMax(1.0, (high - low) * 0.1);
    setAxisScale(QwtPlot::yLeft, low - margin, high + margin);
    setAxisScale(QwtPlot::xBottom, from, QwtDate::toDouble(now));
    replot();
}

void TrendChart::track(const QPoint &position)
{
    const QPoint onCanvas = canvas()->mapFrom(this, position);
    const double x = invTransform(QwtPlot::xBottom, onCanvas.x());
    QStringList parts;
    parts << QwtDate::toDateTime(x, Qt::LocalTime).toString(kTimeFormat);
    for (const Entry &e : m_lines) {
        QPointF point;
        if (nearest(e.points, x, &point))
            parts << e.curve->title().text() + QStringLiteral(" = ") + QString::number(point.y(), 'g', 6);
    }
    m_trackerText = parts.join(QStringLiteral("   "));
    QwtText text(m_trackerText);
    text.setRenderFlags(Qt::AlignLeft | Qt::AlignTop);
    text.setBackgroundBrush(QColor(255, 255, 255, 210));
    m_tracker->setText(text);
    replot();
}

bool TrendChart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == canvas() && event->type() == QEvent::MouseMove)
        emit mouseMoved(canvas()->mapTo(this, static_cast<QMouseEvent *>(event)->pos()));
    return QwtPlot::eventFilter(watched, event);
}
