#include "trendchart.h"

#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>

using namespace QtCharts;

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

// The point of the series nearest in time; false when it has none.
bool nearest(const QLineSeries *series, qreal x, QPointF *point)
{
    const QVector<QPointF> points = series->pointsVector();
    if (points.isEmpty())
        return false;
    *point = *std::min_element(points.cbegin(), points.cend(), [x](const QPointF &a, const QPointF &b) {
        return qAbs(a.x() - x) < qAbs(b.x() - x);
    });
    return true;
}

} // namespace

TrendChart::TrendChart(QWidget *parent)
    : QChartView(parent)
    , m_time(new QDateTimeAxis)
    , m_values(new QValueAxis)
    , m_tracker(new QGraphicsSimpleTextItem)
{
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    QChart *c = chart();
    c->legend()->setAlignment(Qt::AlignBottom);
    m_time->setFormat(QStringLiteral("hh:mm:ss"));
    m_time->setTickCount(6);
    c->addAxis(m_time, Qt::AlignBottom);
    c->addAxis(m_values, Qt::AlignLeft);
    m_tracker->setZValue(10);
    scene()->addItem(m_tracker);
    replot(QDateTime::currentDateTime());
}

void TrendChart::addLine(const QString &variable, const Line &line)
{
    removeLine(variable);
    auto *series = new QLineSeries;
    series->setName(line.name.isEmpty() ? variable : line.name);
    chart()->addSeries(series);
    series->attachAxis(m_time);
    series->attachAxis(m_values);
    QPen pen = series->pen();
    pen.setStyle(penStyle(line.lineStyle));
    pen.setWidthF(line.width);
    if (line.color.isValid())
        pen.setColor(line.color);
    series->setPen(pen);
    m_series.insert(variable, series);
}

void TrendChart::removeLine(const QString &variable)
{
    QLineSeries *series = m_series.take(variable);
    if (!series)
        return;
    chart()->removeSeries(series);
    delete series;
}

void TrendChart::addPoint(const QString &variable, const QDateTime &time, double value)
{
    if (QLineSeries *series = m_series.value(variable))
        series->append(time.toMSecsSinceEpoch(), value);
}

void TrendChart::replot(const QDateTime &now)
{
    const qint64 start = now.addSecs(-kWindowSeconds).toMSecsSinceEpoch();
    double low = 0;
    double high = 1;
    bool any = false;
    for (QLineSeries *series : qAsConst(m_series)) {
        QVector<QPointF> points = series->pointsVector();
        const auto firstKept = std::find_if(points.begin(), points.end(), [start](const QPointF &p) { return p.x() >= start; });
        if (firstKept != points.begin()) {
            points.erase(points.begin(), firstKept);
            series->replace(points);
        }
        for (const QPointF &p : qAsConst(points)) {
            low = any ? qMin(low, p.y()) : p.y();
            high = any ? qMax(high, p.y()) : p.y();
            any = true;
        }
    }
    const double margin = qMax(1.0, (high - low) * 0.1);
    m_values->setRange(low - margin, high + margin);
    m_time->setRange(now.addSecs(-kWindowSeconds), now);
}

void TrendChart::track(const QPoint &position)
{
    const QPointF value = chart()->mapToValue(position);
    QStringList parts;
    parts << QDateTime::fromMSecsSinceEpoch(qint64(value.x())).toString(QStringLiteral("hh:mm:ss"));
    for (auto it = m_series.cbegin(); it != m_series.cend(); ++it) {
        QPointF point;
        if (nearest(it.value(), value.x(), &point))
            parts << it.value()->name() + QStringLiteral(" = ") + QString::number(point.y(), 'g', 6);
    }
    m_trackerText = parts.join(QStringLiteral("   "));
    m_tracker->setText(m_trackerText);
    m_tracker->setPos(chart()->plotArea().topLeft() + QPointF(6, 4));
}

void TrendChart::mouseMoveEvent(QMouseEvent *event)
{
    QChartView::mouseMoveEvent(event);
    emit mouseMoved(event->pos());
}
