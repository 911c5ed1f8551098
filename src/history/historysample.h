#pragma once

#include <QString>

// One recorded value of a monitored point: when (UTC milliseconds since the
// epoch), what, and how good it is. The value means something only for good
// and error samples.
struct HistorySample
{
    enum class Quality { Good, NoAnswer, Missing, Error };

    QString point;
    qint64 timeMs = 0;
    double value = 0;
    Quality quality = Quality::Good;
};
