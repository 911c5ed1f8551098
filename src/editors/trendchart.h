#pragma once

#include <QColor>
#include <QDateTime>
#include <QPointF>
#include <QVector>
#include <qwt_plot.h>

#include <vector>

class QwtPlotCurve;
class QwtPlotTextLabel;

// A trend of controller values over the last minutes: one line per chosen
// variable, time along the bottom in local time, the lines' names in a
// legend under it, and a tracker telling the values under the mouse.
class TrendChart : public QwtPlot
{
    Q_OBJECT

public:
    static constexpr int kWindowSeconds = 300;

    // How a line goes from one value to the next, as the add-plot dialog
    // offers it: with none, straight from point to point.
    enum Interpolation { NoInterpolation = 0 };

    struct Line
    {
        QString name;      // empty: the variable's
        int lineStyle = 0; // 0 solid, 1 dashed, 2 dash-dot
        int interpolation = NoInterpolation;
        double width = 1.0;
        QColor color;      // invalid: the chart picks one
    };

    explicit TrendChart(QWidget *parent = nullptr);

    void addLine(const QString &variable, const Line &line);
    void removeLine(const QString &variable);
    bool hasLine(const QString &variable) const { return find(variable) != nullptr; }
    // The variable's line as drawn, with its points; null when it has none.
    QwtPlotCurve *curve(const QString &variable) const;

    void addPoint(const QString &variable, const QDateTime &time, double value);
    // Moves the time axis to the last window and drops older points.
    void replot(const QDateTime &now);
    using QwtPlot::replot;
    // The values of every line nearest to the time under the position (in
    // the chart's own coordinates).
    void track(const QPoint &position);
    QString trackerText() const { return m_trackerText; }

signals:
    // The mouse moved over the plotting area; the position is the chart's.
    void mouseMoved(const QPoint &position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QString variable;
        QwtPlotCurve *curve;
        QVector<QPointF> points; // x: milliseconds since the epoch
    };

    const Entry *find(const QString &variable) const;
    Entry *find(const QString &variable);
    QColor freeColor() const;

    std::vector<Entry> m_lines; // in the order they were added
    QwtPlotTextLabel *m_tracker;
    QString m_trackerText;
};
