#pragma once

// Where one unit's values lie on the plot: the plot's value axis runs from
// 0 to 1, and each unit (or each switch's lane) takes its own part of it.
struct TrendBand
{
    double lo = 0;
    double hi = 1;
    double bottom = 0; // plot coordinate of lo
    double top = 1;    // plot coordinate of hi

    double toPlot(double value) const { return bottom + (value - lo) / (hi - lo) * (top - bottom); }
    double fromPlot(double y) const { return lo + (y - bottom) / (top - bottom) * (hi - lo); }
};
