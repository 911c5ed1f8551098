#pragma once

#include <QtGlobal>

// The good values of one point within one step of a trend: what one pixel
// column draws. count 0: no good value in the step (min, max, avg NaN).
struct HistoryStep
{
    qint64 startMs = 0;
    double min = 0;
    double max = 0;
    double avg = 0;
    qint64 count = 0;
};
