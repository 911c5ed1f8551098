#pragma once

#include <QHash>
#include <QMetaType>
#include <QString>

// The latest value recorded of points, by point ID; NaN where that sample
// was not a good one.
using PointValues = QHash<QString, double>;

Q_DECLARE_METATYPE(PointValues)
