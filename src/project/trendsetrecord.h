#pragma once

#include <QList>
#include <QString>

// One pen of a named trend: a monitoring point and how it is drawn.
struct TrendPenRecord
{
    QString point;
    QString colour;                         // "#rrggbb"; empty: the window picks one
    double width = 1.5;                     // pixels
    QString style = QStringLiteral("solid"); // "solid", "dash" or "dot"

    bool operator==(const TrendPenRecord &o) const
    {
        return point == o.point && colour == o.colour && width == o.width && style == o.style;
    }
    bool operator!=(const TrendPenRecord &o) const { return !(*this == o); }
};

// A trend the operator named and kept: its pens, at most 16.
struct TrendSetRecord
{
    static constexpr int kMaxPens = 16;

    QString name;
    QList<TrendPenRecord> pens;

    bool operator==(const TrendSetRecord &o) const { return name == o.name && pens == o.pens; }
    bool operator!=(const TrendSetRecord &o) const { return !(*this == o); }
};
