// The hot-key driver's feature requests as the monitor's actions use them.
// Each request opens the device, checks that the feature is supported and
// closes the device again.
#pragma once

#include <cstdint>

#include "common/driver_client.h"

namespace tavel {

inline constexpr uint16_t kFeatureStep = 0x0008;
inline constexpr uint16_t kFeatureCycle = 0x0010;
inline constexpr uint16_t kFeatureTrigger = 0x2000;

class DriverFeatures {
 public:
  virtual ~DriverFeatures() = default;
  virtual bool IsSupported(uint16_t feature) = 0;
  // False when the device is missing, the feature unsupported or the request
  // refused.
  virtual bool Get(uint16_t feature, FeatureState& out) = 0;
  virtual bool Set(uint16_t feature, uint8_t value) = 0;
};

}  // namespace tavel
