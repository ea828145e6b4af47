// Requests to the notebook's hot-key driver. Every request opens the device,
// issues its control codes and closes it again; no handle is kept.
#pragma once

#include <cstdint>

#include "platform/device_io.h"
#include "platform/system_info.h"

namespace tavel {

namespace driver {
inline constexpr uint32_t kReadCapabilities = 0x81008120;
inline constexpr uint32_t kReadState = 0x81008128;
inline constexpr uint32_t kSetState = 0x8100812C;
inline constexpr char kNtDeviceName[] = "\\\\.\\VRHKDRV";
inline constexpr char k9xDeviceName[] = "\\\\.\\VRHKDRV.VXD";
}  // namespace driver

// Capability tests of the hook library and the configuration program: the
// NT device name, one capability read; false when the device is missing or
// the request fails.
bool DriverHasF1Function(DeviceIo& io);  // selector 0, bit 24
bool DriverHasF5Function(DeviceIo& io);  // selector 1, bit 4
bool DriverHasF9Function(DeviceIo& io);  // selector 1, bit 8
bool DriverHasF7Function(DeviceIo& io);  // selector 1, bit 6

struct FeatureState {
  uint8_t value;
  uint8_t maximum;
};

// The monitor's client of the driver's feature requests. A feature is one of
// ten 16-bit codes (0x0001, 0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0400,
// 0x0800, 0x1000, 0x2000); any other code fails without touching the device.
// Get and Set check that the feature is supported first and make no request
// for one that is not.
class DriverFeatureClient {
 public:
  DriverFeatureClient(DeviceIo& io, PlatformFamily platform);

  bool IsSupported(uint16_t feature);
  bool Get(uint16_t feature, FeatureState& state);
  bool Set(uint16_t feature, uint8_t value);

 private:
  DeviceIo& io_;
  PlatformFamily platform_;
};

}  // namespace tavel
