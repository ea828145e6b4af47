// Actions carried out through the hot-key driver's features.
#pragma once

#include "monitor/driver_features.h"

namespace tavel {

// Sets the trigger feature to 0 when the machine has it.
void DriverTrigger(DriverFeatures& driver);
// The trigger, or on machines without it the next of the three states of
// the cycle feature (1 -> 2 -> 3 -> 1).
void DriverTriggerOrCycle(DriverFeatures& driver);
// One step of the stepped feature, within 0..maximum; the value is written
// back even when it did not change.
void DriverStepUp(DriverFeatures& driver);
void DriverStepDown(DriverFeatures& driver);

}  // namespace tavel
