#pragma once

#include "simcontroller.h"
#include "simpast.h"

#include <QDate>
#include <QVector>

// A controller's past laid on the clock: the changes its schedules and
// holds make, in time order, and its silences, over a range of UTC
// milliseconds. Schedule edges move by up to a quarter of an hour from day
// to day, the same for the same seed; the day curves are worked out as the
// clock goes.
class SimPastPlan
{
public:
    // False, with why, when the past names a variable the controller lacks.
    bool build(const SimPast &past, SimController *controller, quint32 seed, qint64 fromMs, qint64 toMs,
               QString *error);

    // Moves the controller's planned variables to where the plan has them
    // at timeMs; times only increase from call to call.
    void apply(qint64 timeMs);
    bool isSilent(qint64 timeMs) const;

private:
    struct Change
    {
        qint64 timeMs;
        SimVariable *variable;
        double value;
        int hold;      // the hold it starts or ends; -1 for a schedule's
        bool restores; // the end of a hold: back to the value before it
    };
    struct Curve
    {
        SimVariable *variable;
        double low;
        double high;
        double phase; // of the slow change of weather over the days
    };

    qint64 atDayMinute(int daysBack, double minute) const;
    double minuteOfDay(qint64 timeMs);
    void addSchedule(const QVector<QPair<int, int>> &periods, SimVariable *variable, quint32 seed);
    void addHold(const SimPast::Hold &hold, SimVariable *variable);

    QDate m_lastDay;
    QVector<qint64> m_midnights; // local midnights from the day before the range to the day after
    int m_midnight = 0;          // the one apply() last was in
    QVector<Change> m_changes;
    int m_next = 0;
    QVector<double> m_heldFrom; // per hold, the value it replaced
    QVector<Curve> m_curves;
    QVector<QPair<qint64, qint64>> m_silences;
};
