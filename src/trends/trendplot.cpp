#include "trendplot.h"

#include "trendpenitem.h"
#include "trendscaledraw.h"

#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_scaleitem.h>
#include <qwt_scale_widget.h>

#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>

namespace {

constexpr double kZoomIn = 0.8;
constexpr int kMostViewsKept = 50;
// The plot's value axis, from the foot: the switches' lanes, then the rest.
constexpr double kMostLane = 0.08;
constexpr double kAllLanes = 0.3;
constexpr double kTopMargin = 0.03;

QwtDateScaleDraw *timeScaleDraw()
{
    auto *draw = new QwtDateScaleDraw(Qt::LocalTime);
    draw->setDateFormat(QwtDate::Second, QStringLiteral("hh:mm:ss"));
    draw->setDateFormat(QwtDate::Minute, QStringLiteral("hh:mm"));
    draw->setDateFormat(QwtDate::Hour, QStringLiteral("hh:mm\ndd.MM"));
    draw->setDateFormat(QwtDate::Day, QStringLiteral("dd.MM"));
    draw->setDateFormat(QwtDate::Week, QStringLiteral("dd.MM"));
    draw->setDateFormat(QwtDate::Month, QStringLiteral("MM.yyyy"));
    return draw;
}

} // namespace

TrendPlot::TrendPlot(QWidget *parent)
    : QwtPlot(parent)
    , m_cursor(new QwtPlotMarker)
{
    setCanvasBackground(Qt::white);
    setAxisScaleDraw(xBottom, timeScaleDraw());
    setAxisScaleEngine(xBottom, new QwtDateScaleEngine(Qt::LocalTime));
    setAxisScale(yLeft, 0, 1);
    enableAxis(yRight, false);
    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QColor(220, 220, 220), 0, Qt::DotLine);
    grid->attach(this);
    m_cursor->setLineStyle(QwtPlotMarker::VLine);
    m_cursor->setLinePen(QColor(90, 90, 90), 0, Qt::DashLine);
    m_cursor->setZ(30);
    m_cursor->setVisible(false);
    m_cursor->attach(this);
    canvas()->setMouseTracking(true);
    canvas()->installEventFilter(this);
    canvas()->setCursor(Qt::CrossCursor);
    setAutoReplot(false);
}

void TrendPlot::setPens(const QVector<TrendPen> &pens)
{
    m_pens = pens;
    m_result = TrendResult();
    clearItems();
    placeAxes();
    replot();
}

void TrendPlot::setView(qint64 fromMs, qint64 toMs)
{
    m_fromMs = fromMs;
    m_toMs = qMax(toMs, fromMs + 1);
    setAxisScale(xBottom, double(m_fromMs), double(m_toMs));
    replot();
}

void TrendPlot::changeView(qint64 fromMs, qint64 toMs)
{
    m_previous.append({m_fromMs, m_toMs});
    if (m_previous.size() > kMostViewsKept)
        m_previous.removeFirst();
    setView(fromMs, toMs);
    emit viewAsked(m_fromMs, m_toMs);
}

bool TrendPlot::back()
{
    if (m_previous.isEmpty())
        return false;
    const QPair<qint64, qint64> view = m_previous.takeLast();
    setView(view.first, view.second);
    emit viewTouched();
    emit viewAsked(m_fromMs, m_toMs);
    return true;
}

int TrendPlot::columns() const
{
    return qMax(16, canvas()->width());
}

qint64 TrendPlot::absenceOf(int pen) const
{
    return m_pens.at(pen).absenceMs;
}

void TrendPlot::setResult(const TrendResult &result)
{
    clearItems();
    m_result = result;
    QVector<TrendTrace> traces;
    const int shown = qMin(m_pens.size(), result.series.size());
    for (int i = 0; i < shown; ++i)
        traces.append(TrendTrace(m_result.series.at(i), result.request.fromMs, result.request.toMs, absenceOf(i),
                                 m_pens.at(i).logic));
    placeBands(traces);
    for (int i = 0; i < shown; ++i) {
        auto *item = new TrendPenItem(m_pens.at(i), traces.at(i).lines(), m_result.series.at(i).raisedMs);
        item->attach(this);
        m_items.append(item);
    }
    placeAxes();
    replot();
}

void TrendPlot::clearItems()
{
    qDeleteAll(m_items);
    m_items.clear();
}

// Each unit over the values its pens drew and their limits, padded; each
// switch on a lane of its own.
void TrendPlot::placeBands(const QVector<TrendTrace> &traces)
{
    int lanes = 0;
    for (const TrendPen &p : qAsConst(m_pens))
        lanes += p.logic ? 1 : 0;
    const double lane = lanes ? qMin(kMostLane, kAllLanes / lanes) : 0;
    const double analogBottom = lanes ? lanes * lane + 0.02 : 0.02;
    QHash<QString, QPair<double, double>> units;
    for (int i = 0; i < traces.size(); ++i) {
        if (m_pens.at(i).logic)
            continue;
        double lo = 0;
        double hi = 0;
        QVector<double> values = m_pens.at(i).limits;
        if (traces.at(i).range(&lo, &hi))
            values << lo << hi;
        for (const double v : qAsConst(values)) {
            auto it = units.find(m_pens.at(i).unit);
            if (it == units.end())
                units.insert(m_pens.at(i).unit, {v, v});
            else
                *it = {qMin(it->first, v), qMax(it->second, v)};
        }
    }
    int laneIndex = 0;
    for (TrendPen &p : m_pens) {
        if (p.logic) {
            p.band = {0, 1, laneIndex * lane + 0.15 * lane, (laneIndex + 1) * lane - 0.35 * lane};
            ++laneIndex;
            continue;
        }
        const QPair<double, double> r = units.value(p.unit, {0, 1});
        const double pad = r.second > r.first ? (r.second - r.first) * 0.05 : 1;
        p.band = {r.first - pad, r.second + pad, analogBottom, 1 - kTopMargin};
    }
}

// The first unit on the left axis, the second on the right, any further
// ones as scales inside the canvas.
void TrendPlot::placeAxes()
{
    qDeleteAll(m_extraAxes);
    m_extraAxes.clear();
    QStringList units;
    QVector<TrendBand> bands;
    for (const TrendPen &p : qAsConst(m_pens)) {
        if (!p.logic && !units.contains(p.unit)) {
            units.append(p.unit);
            bands.append(p.band);
        }
    }
    enableAxis(yLeft, !units.isEmpty());
    enableAxis(yRight, units.size() > 1);
    for (int i = 0; i < units.size(); ++i) {
        if (i < 2) {
            const int axis = i == 0 ? yLeft : yRight;
            setAxisScaleDraw(axis, new TrendScaleDraw(bands.at(i), units.at(i)));
            setAxisScaleDiv(axis, TrendScaleDraw::divide(bands.at(i)));
            continue;
        }
        auto *scale = new QwtPlotScaleItem(QwtScaleDraw::RightScale);
        scale->setScaleDraw(new TrendScaleDraw(bands.at(i), units.at(i)));
        scale->setScaleDiv(TrendScaleDraw::divide(bands.at(i)));
        scale->setBorderDistance((i - 2) * 60);
        scale->setZ(25);
        scale->attach(this);
        m_extraAxes.append(scale);
    }
}

QVector<TrendTrace::Reading> TrendPlot::readingsAt(qint64 timeMs) const
{
    QVector<TrendTrace::Reading> readings;
    for (int i = 0; i < m_pens.size(); ++i) {
        if (i >= m_result.series.size()) {
            readings.append(TrendTrace::Reading());
            continue;
        }
        const TrendTrace trace(m_result.series.at(i), m_result.request.fromMs, m_result.request.toMs, absenceOf(i),
                               m_pens.at(i).logic);
        readings.append(trace.valueAt(timeMs));
    }
    return readings;
}

// Across the canvas as the view stands, whether or not the plot has been
// laid out and painted since it changed.
qint64 TrendPlot::timeAt(int canvasX) const
{
    return m_fromMs + qint64(double(canvasX) * double(m_toMs - m_fromMs) / qMax(1, canvas()->width()));
}

int TrendPlot::xAt(qint64 timeMs) const
{
    return qRound(double(timeMs - m_fromMs) * qMax(1, canvas()->width()) / double(m_toMs - m_fromMs));
}

bool TrendPlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != canvas())
        return QwtPlot::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Wheel:
        return wheel(static_cast<QWheelEvent *>(event));
    case QEvent::MouseButtonPress:
        return press(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return move(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return release(static_cast<QMouseEvent *>(event));
    case QEvent::Leave:
        m_cursor->setVisible(false);
        replot();
        return false;
    default:
        return QwtPlot::eventFilter(watched, event);
    }
}

bool TrendPlot::wheel(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return false;
    zoomAbout(timeAt(int(event->position().x())), delta > 0 ? kZoomIn : 1 / kZoomIn);
    return true;
}

void TrendPlot::zoomAbout(qint64 anchorMs, double factor)
{
    const double span = double(m_toMs - m_fromMs) * factor;
    if (span < kLeastSpanMs || span > kMostSpanMs)
        return;
    const double share = double(anchorMs - m_fromMs) / double(m_toMs - m_fromMs);
    const qint64 from = anchorMs - qint64(span * share);
    emit viewTouched();
    changeView(from, from + qint64(span));
}

bool TrendPlot::press(QMouseEvent *event)
{
    m_pressAt = event->pos();
    m_pressFrom = m_fromMs;
    m_pressTo = m_toMs;
    const bool box = event->button() == Qt::RightButton
        || (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (box) {
        m_drag = Drag::Box;
        if (!m_box)
            m_box = new QRubberBand(QRubberBand::Rectangle, canvas());
        m_box->setGeometry(QRect(m_pressAt, QSize()));
        m_box->show();
    } else if (event->button() == Qt::LeftButton) {
        m_drag = Drag::Pan;
        canvas()->setCursor(Qt::ClosedHandCursor);
    }
    return true;
}

bool TrendPlot::move(QMouseEvent *event)
{
    const qint64 at = timeAt(event->pos().x());
    m_cursor->setXValue(double(at));
    m_cursor->setVisible(true);
    if (m_drag == Drag::Pan) {
        const double msPerPixel = double(m_pressTo - m_pressFrom) / qMax(1, canvas()->width());
        const qint64 shift = qint64((m_pressAt.x() - event->pos().x()) * msPerPixel);
        m_fromMs = m_pressFrom + shift;
        m_toMs = m_pressTo + shift;
        setAxisScale(xBottom, double(m_fromMs), double(m_toMs));
    } else if (m_drag == Drag::Box) {
        const QRect r(QPoint(m_pressAt.x(), 0), QPoint(event->pos().x(), canvas()->height()));
        m_box->setGeometry(r.normalized());
    }
    replot();
    emit cursorMoved(at);
    return m_drag != Drag::None;
}

bool TrendPlot::release(QMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = Drag::None;
    canvas()->setCursor(Qt::CrossCursor);
    const int moved = qAbs(event->pos().x() - m_pressAt.x());
    if (drag == Drag::Pan && moved > 2) {
        const qint64 from = m_fromMs;
        const qint64 to = m_toMs;
        m_fromMs = m_pressFrom;
        m_toMs = m_pressTo;
        emit viewTouched();
        changeView(from, to);
    } else if (drag == Drag::Box) {
        m_box->hide();
        const qint64 a = timeAt(qMin(m_pressAt.x(), event->pos().x()));
        const qint64 b = timeAt(qMax(m_pressAt.x(), event->pos().x()));
        if (moved > 4 && b - a >= kLeastSpanMs) {
            emit viewTouched();
            changeView(a, b);
        }
    }
    return drag != Drag::None;
}
