#pragma once

#include <QChartView>
#include <QColor>
#include <QDateTime>
#include <QHash>

namespace QtCharts {
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;
} // namespace QtCharts

// A trend of controller values over the last minutes: one line per chosen
// variable, time along the bottom, and a tracker telling the values under
// the mouse.
class TrendChart : public QtCharts::QChartView
{
    Q_OBJECT

public:
    static constexpr int kWindowSeconds = 300;

    struct Line
    {
        QString name;
        int lineStyle = 0; // 0 solid, 1 dashed, 2 dash-dot
        double width = 1.0;
        QColor color;      // invalid: the chart picks one
    };

    explicit TrendChart(QWidget *parent = nullptr);

    void addLine(const QString &variable, const Line &line);
    void removeLine(const QString &variable);
    bool hasLine(const QString &variable) const { return m_series.contains(variable); }
    QtCharts::QLineSeries *series(const QString &variable) const { return m_series.value(variable); }

    void addPoint(const QString &variable, const QDateTime &time, double value);
    // Moves the time axis to the last window and drops older points.
    void replot(const QDateTime &now);
    // The values of every line nearest to the time under the position.
    void track(const QPoint &position);
    QString trackerText() const { return m_trackerText; }

signals:
    void mouseMoved(const QPoint &position);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QtCharts::QDateTimeAxis *m_time;
    QtCharts::QValueAxis *m_values;
    QHash<QString, QtCharts::QLineSeries *> m_series;
    QGraphicsSimpleTextItem *m_tracker;
    QString m_trackerText;
};
