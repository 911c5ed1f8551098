#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// What a controller did over the days before now, for the history that
// tesk-sim --history-csv writes; the live simulator does not use it. Times
// of day are local, in minutes since midnight; days count back from the
// last one (0: the day the history ends on).
struct SimPast
{
    // An on_off variable on in each of the day's periods and off between.
    struct Schedule
    {
        QString variable;
        QVector<QPair<int, int>> periods; // from and to, from < to <= 1440
    };
    // A variable swinging over each day, lowest at 05:00 and highest at
    // 15:00, in place of its drift.
    struct DayCurve
    {
        QString variable;
        double low = 0;
        double high = 0;
    };
    struct Window
    {
        int day = 0;
        int minute = 0;
        int minutes = 0;
    };
    // A variable held at a value for a while, then put back.
    struct Hold
    {
        QString variable;
        double value = 0;
        Window window;
    };

    QVector<Schedule> schedules;
    QVector<DayCurve> curves;
    QVector<Hold> holds;
    QVector<Window> silences; // the controller does not answer
};
