#pragma once

#include "trendpen.h"
#include "trendrequest.h"
#include "trendtrace.h"

#include <qwt_plot.h>

#include <QPair>
#include <QVector>

class QRubberBand;
class QwtPlotMarker;
class QwtPlotScaleItem;
class TrendPenItem;

// The plot of a trend: time along the foot in local time, one value axis
// per unit, switches on lanes of their own. The wheel zooms about the
// mouse, a drag pans, a drag with Shift (or the right button) zooms to the
// box; each asks for the new view's data with viewAsked(). The previous
// views are kept for back().
class TrendPlot : public QwtPlot
{
    Q_OBJECT

public:
    static constexpr qint64 kLeastSpanMs = 60 * 1000;
    static constexpr qint64 kMostSpanMs = 10LL * 366 * 24 * 3600 * 1000;

    explicit TrendPlot(QWidget *parent = nullptr);

    void setPens(const QVector<TrendPen> &pens);
    const QVector<TrendPen> &pens() const { return m_pens; }
    // The view shown, without a step to go back to.
    void setView(qint64 fromMs, qint64 toMs);
    qint64 viewFrom() const { return m_fromMs; }
    qint64 viewTo() const { return m_toMs; }
    // A changed view, kept for back().
    void changeView(qint64 fromMs, qint64 toMs);
    bool back();
    bool canGoBack() const { return !m_previous.isEmpty(); }

    // The pixel columns a request for this plot asks for.
    int columns() const;
    void setResult(const TrendResult &result);
    const TrendResult &result() const { return m_result; }
    // Each pen's value at timeMs, in the order of the pens.
    QVector<TrendTrace::Reading> readingsAt(qint64 timeMs) const;
    qint64 timeAt(int canvasX) const;
    int xAt(qint64 timeMs) const;

signals:
    void viewAsked(qint64 fromMs, qint64 toMs);
    void cursorMoved(qint64 timeMs);
    // The operator zoomed, panned or went back: a live trend stops following.
    void viewTouched();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool wheel(class QWheelEvent *event);
    bool press(class QMouseEvent *event);
    bool move(class QMouseEvent *event);
    bool release(class QMouseEvent *event);
    void zoomAbout(qint64 anchorMs, double factor);
    void placeBands(const QVector<TrendTrace> &traces);
    void placeAxes();
    void clearItems();
    qint64 absenceOf(int pen) const;

    QVector<TrendPen> m_pens;
    TrendResult m_result;
    QVector<TrendPenItem *> m_items;
    QVector<QwtPlotScaleItem *> m_extraAxes;
    QwtPlotMarker *m_cursor;
    QRubberBand *m_box = nullptr;
    qint64 m_fromMs = 0;
    qint64 m_toMs = 0;
    QVector<QPair<qint64, qint64>> m_previous;
    enum class Drag { None, Pan, Box } m_drag = Drag::None;
    QPoint m_pressAt;
    qint64 m_pressFrom = 0;
    qint64 m_pressTo = 0;
};
