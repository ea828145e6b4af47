// The monitor's actions' view of the hot-key driver, over the shared driver
// client.
#pragma once

#include "common/driver_client.h"
#include "monitor/driver_features.h"

namespace tavel {

class DriverFeatureBinding : public DriverFeatures {
 public:
  DriverFeatureBinding(DeviceIo& io, PlatformFamily platform) : client_(io, platform) {}
  bool IsSupported(uint16_t feature) override { return client_.IsSupported(feature); }
  bool Get(uint16_t feature, FeatureState& out) override { return client_.Get(feature, out); }
  bool Set(uint16_t feature, uint8_t value) override { return client_.Set(feature, value); }

 private:
  DriverFeatureClient client_;
};

}  // namespace tavel
