#include "trendcolumns.h"

#include <algorithm>

namespace TrendColumns {

namespace {

// Points closer than this in x share a column; columns farther apart than
// kMostApart are not joined by their bars.
constexpr double kSameColumn = 0.5;
constexpr double kMostApart = 1.5;

} // namespace

bool bars(const QPolygonF &line, double width, QVector<QRectF> *bars)
{
    bars->clear();
    if (line.size() < 2)
        return false;
    const double half = width / 2;
    double entered = line.first().y(); // where the line comes into the column
    for (int i = 0; i < line.size();) {
        const double x = line.at(i).x();
        double low = qMin(entered, line.at(i).y());
        double high = qMax(entered, line.at(i).y());
        int next = i + 1;
        for (; next < line.size() && line.at(next).x() - x < kSameColumn; ++next) {
            low = qMin(low, line.at(next).y());
            high = qMax(high, line.at(next).y());
        }
        if (next < line.size() && line.at(next).x() - x > kMostApart) {
            bars->clear();
            return false;
        }
        entered = line.at(next - 1).y();
        bars->append(QRectF(x - half, low - half, width, high - low + width));
        i = next;
    }
    return true;
}

} // namespace TrendColumns
