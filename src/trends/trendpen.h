#pragma once

#include "trendband.h"

#include <QColor>
#include <QString>
#include <QVector>
#include <Qt>

// One pen as the plot draws it: a monitoring point with its look, its
// unit's band and the alarm limits of the point.
struct TrendPen
{
    QString point;
    QString label;
    QString unit;
    bool logic = false;
    qint64 absenceMs = 0; // see TrendTrace
    QColor colour;
    double width = 1.5;
    Qt::PenStyle style = Qt::SolidLine;
    QVector<double> limits;
    TrendBand band;
};
