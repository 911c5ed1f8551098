#pragma once

#include <QString>

// One alarm of a monitoring point. Limit kinds compare the value with limit:
// "high" and "highhigh" are raised above it and clear below limit -
// deadband, "low" and "lowlow" mirror them. "state" is raised while the
// value equals value (logic and int points); "error" while the controller
// reports the variable's err attribute not 0. A point has at most one
// alarm of each kind, so that (point, kind) names an alarm.
struct AlarmDefinition
{
    QString kind = QStringLiteral("high"); // "highhigh", "high", "low", "lowlow", "state", "error"
    double limit = 0;
    double deadband = 0;
    double value = 0; // "state": the value that raises it
    int onDelay = 0;  // seconds the condition holds before the alarm is raised
    int offDelay = 0; // seconds it is gone before the alarm clears
    int priority = 3; // 1 (critical) to 4 (low)
    QString text;

    bool isLimit() const { return kind != QLatin1String("state") && kind != QLatin1String("error"); }
    bool isHighLimit() const { return kind == QLatin1String("high") || kind == QLatin1String("highhigh"); }
    bool operator==(const AlarmDefinition &o) const
    {
        return kind == o.kind && limit == o.limit && deadband == o.deadband && value == o.value
            && onDelay == o.onDelay && offDelay == o.offDelay && priority == o.priority && text == o.text;
    }
    bool operator!=(const AlarmDefinition &o) const { return !(*this == o); }
};
