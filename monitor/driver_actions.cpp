#include "monitor/driver_actions.h"

namespace tavel {

void DriverTrigger(DriverFeatures& driver) {
  if (driver.IsSupported(kFeatureTrigger)) driver.Set(kFeatureTrigger, 0);
}

void DriverTriggerOrCycle(DriverFeatures& driver) {
  if (driver.IsSupported(kFeatureTrigger)) {
    driver.Set(kFeatureTrigger, 0);
    return;
  }
  if (!driver.IsSupported(kFeatureCycle)) return;
  FeatureState current{};
  if (!driver.Get(kFeatureCycle, current)) return;
  driver.Set(kFeatureCycle, static_cast<uint8_t>((current.value & 3) % 3 + 1));
}

void DriverStepUp(DriverFeatures& driver) {
  if (!driver.IsSupported(kFeatureStep)) return;
  FeatureState current{};
  if (!driver.Get(kFeatureStep, current)) return;
  uint8_t value = current.value;
  if (value < current.maximum) ++value;
  driver.Set(kFeatureStep, value);
}

void DriverStepDown(DriverFeatures& driver) {
  if (!driver.IsSupported(kFeatureStep)) return;
  FeatureState current{};
  if (!driver.Get(kFeatureStep, current)) return;
  uint8_t value = current.value;
  if (value > 0) --value;
  driver.Set(kFeatureStep, value);
}

}  // namespace tavel
