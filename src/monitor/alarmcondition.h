#pragma once

#include "alarmdefinition.h"
#include "alarmmachine.h"
#include "historysample.h"

// Whether a reading holds an alarm's condition. A limit has a deadband:
// once above a high limit the value must fall below limit - deadband to
// leave it (a low limit mirrors this), so that a value wavering at the
// limit raises one alarm, not many. A reading without a value, or one the
// controller flags as an error, cannot tell a limit or a state.
namespace AlarmCondition {

AlarmMachine::Condition of(const AlarmDefinition &alarm, const HistorySample &reading, bool holding);

} // namespace AlarmCondition
