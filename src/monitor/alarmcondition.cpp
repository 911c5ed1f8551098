#include "alarmcondition.h"

namespace AlarmCondition {

namespace {

bool limitHolds(const AlarmDefinition &alarm, double value, bool holding)
{
    if (alarm.isHighLimit())
        return holding ? value >= alarm.limit - alarm.deadband : value > alarm.limit;
    return holding ? value <= alarm.limit + alarm.deadband : value < alarm.limit;
}

} // namespace

AlarmMachine::Condition of(const AlarmDefinition &alarm, const HistorySample &reading, bool holding)
{
    using Condition = AlarmMachine::Condition;
    using Quality = HistorySample::Quality;
    if (reading.quality == Quality::NoAnswer || reading.quality == Quality::Missing)
        return Condition::Unknown;
    if (alarm.kind == QLatin1String("error"))
        return reading.quality == Quality::Error ? Condition::On : Condition::Off;
    if (reading.quality == Quality::Error || qIsNaN(reading.value))
        return Condition::Unknown;
    const bool holds = alarm.kind == QLatin1String("state") ? reading.value == alarm.value
                                                             : limitHolds(alarm, reading.value, holding);
    return holds ? Condition::On : Condition::Off;
}

} // namespace AlarmCondition
