#include "trendscaledraw.h"

#include <qwt_scale_engine.h>
#include <qwt_text.h>

#include <QLocale>

TrendScaleDraw::TrendScaleDraw(const TrendBand &band, const QString &unit)
    : m_band(band)
    , m_unit(unit)
{
}

QwtText TrendScaleDraw::label(double value) const
{
    const double span = qAbs(m_band.hi - m_band.lo);
    double v = m_band.fromPlot(value);
    // A tick at zero comes back from the band as a hair off it: not "-0".
    if (qAbs(v) < span * 1e-9)
        v = 0;
    const int decimals = span < 2 ? 2 : span < 20 ? 1 : 0;
    QString text = QLocale().toString(v, 'f', decimals);
    if (!m_unit.isEmpty())
        text += QLatin1Char(' ') + m_unit;
    return QwtText(text);
}

QwtScaleDiv TrendScaleDraw::divide(const TrendBand &band)
{
    QwtLinearScaleEngine engine;
    const QwtScaleDiv values = engine.divideScale(band.lo, band.hi, 6, 2);
    QList<double> ticks[QwtScaleDiv::NTickTypes];
    for (int type = 0; type < QwtScaleDiv::NTickTypes; ++type) {
        for (const double v : values.ticks(type)) {
            if (v >= band.lo && v <= band.hi)
                ticks[type].append(band.toPlot(v));
        }
    }
    return QwtScaleDiv(0, 1, ticks);
}
