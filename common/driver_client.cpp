#include "common/driver_client.h"

namespace tavel {

namespace {

// Reads the capability word of `selector` over an open device.
bool QueryCapabilities(DeviceIo& io, DeviceHandle device, uint32_t selector, uint32_t& word) {
  return io.Control(device, driver::kReadCapabilities, selector, &word);
}

// The hook library's and configuration program's form: NT name, one read.
bool DriverHasBit(DeviceIo& io, uint32_t selector, uint32_t bit) {
  const DeviceHandle device = io.Open(driver::kNtDeviceName, 0);
  if (device == 0) return false;
  uint32_t word = 0;
  const bool ok = QueryCapabilities(io, device, selector, word);
  io.Close(device);
  return ok && (word & (1u << bit)) != 0;
}

struct Feature {
  uint16_t code;
  uint8_t selector;
  uint8_t functionIndex;  // sent as the bit number in state requests
  uint32_t supportMask;   // any of these capability bits marks it supported
};

constexpr uint32_t Bit(uint32_t n) { return 1u << n; }

constexpr Feature kFeatures[] = {
    {0x0001, 0, 26, Bit(1) | Bit(3) | Bit(4)},
    {0x0002, 0, 14, Bit(14)},
    {0x0004, 0, 16, Bit(16)},
    {0x0008, 0, 12, Bit(12)},
    {0x0010, 0, 27, Bit(27)},
    {0x0020, 0, 24, Bit(24)},
    {0x0400, 0, 22, Bit(22)},
    {0x0800, 1, 4, Bit(4)},
    {0x1000, 1, 8, Bit(8)},
    {0x2000, 1, 6, Bit(6)},
};

const Feature* FindFeature(uint16_t code) {
  for (const Feature& f : kFeatures) {
    if (f.code == code) return &f;
  }
  return nullptr;
}

// Function index 27 takes its new value with a second byte of 3.
constexpr uint8_t kSecondByteForIndex27 = 3;

uint32_t SetRequest(const Feature& f, uint8_t value) {
  const uint32_t second = f.functionIndex == 27 ? kSecondByteForIndex27 : 0;
  return value | second << 8 | uint32_t{f.selector} << 16 | uint32_t{f.functionIndex} << 24;
}

// One request: open the device, make sure the feature is supported, run
// `request` on the open handle, close. Unknown features and systems without
// the driver fail before anything is opened.
template <typename Request>
bool WithSupportedFeature(DeviceIo& io, PlatformFamily platform, uint16_t code,
                          Request request) {
  const Feature* feature = FindFeature(code);
  if (feature == nullptr || platform == PlatformFamily::Other) return false;
  const bool nt = platform == PlatformFamily::WindowsNt;
  const DeviceHandle device = nt ? io.Open(driver::kNtDeviceName, 0)
                                 : io.Open(driver::k9xDeviceName, device::kFlagDeleteOnClose);
  if (device == 0) return false;
  uint32_t word = 0;
  const bool ok = QueryCapabilities(io, device, feature->selector, word) &&
                  (word & feature->supportMask) != 0 && request(device, *feature);
  io.Close(device);
  return ok;
}

}  // namespace

bool DriverHasF1Function(DeviceIo& io) { return DriverHasBit(io, 0, 24); }
bool DriverHasF5Function(DeviceIo& io) { return DriverHasBit(io, 1, 4); }
bool DriverHasF9Function(DeviceIo& io) { return DriverHasBit(io, 1, 8); }
bool DriverHasF7Function(DeviceIo& io) { return DriverHasBit(io, 1, 6); }

DriverFeatureClient::DriverFeatureClient(DeviceIo& io, PlatformFamily platform)
    : io_(io), platform_(platform) {}

bool DriverFeatureClient::IsSupported(uint16_t feature) {
  return WithSupportedFeature(io_, platform_, feature,
                              [](DeviceHandle, const Feature&) { return true; });
}

bool DriverFeatureClient::Get(uint16_t feature, FeatureState& state) {
  return WithSupportedFeature(io_, platform_, feature, [&](DeviceHandle device, const Feature& f) {
    uint32_t answer = 0;
    if (!io_.Control(device, driver::kReadState, f.functionIndex, &answer)) return false;
    state.value = static_cast<uint8_t>(answer);
    state.maximum = static_cast<uint8_t>(answer >> 8);
    return true;
  });
}

bool DriverFeatureClient::Set(uint16_t feature, uint8_t value) {
  return WithSupportedFeature(io_, platform_, feature, [&](DeviceHandle device, const Feature& f) {
    uint32_t ignored = 0;
    return io_.Control(device, driver::kSetState, SetRequest(f, value), &ignored);
  });
}

}  // namespace tavel
