#pragma once

#include "trendband.h"

#include <qwt_scale_draw.h>

// A value axis of one unit on the plot's 0..1 axis: ticks labelled in the
// unit's values.
class TrendScaleDraw : public QwtScaleDraw
{
public:
    TrendScaleDraw(const TrendBand &band, const QString &unit);

    QwtText label(double value) const override;
    // Ticks at round values of the unit, where the band lies.
    static QwtScaleDiv divide(const TrendBand &band);

private:
    TrendBand m_band;
    QString m_unit;
};
