#include "tests/fakes/fake_device_io.h"

namespace tavel::fake {

namespace {
constexpr DeviceHandle kDevice = 0x44;
constexpr uint32_t kReadCapabilities = 0x81008120;
constexpr uint32_t kReadState = 0x81008128;
}  // namespace

DeviceHandle FakeDeviceIo::Open(const char* name, uint32_t flags) {
  openedNames.push_back(name);
  openFlags.push_back(flags);
  if (presentName.empty() || presentName != name) return 0;
  ++openHandles;
  return kDevice;
}

bool FakeDeviceIo::Control(DeviceHandle device, uint32_t code, uint32_t input,
                           uint32_t* output) {
  requests.push_back({code, input});
  if (device != kDevice || failRequests) return false;
  if (code == kReadCapabilities) {
    const auto word = capabilities.find(input);
    *output = word == capabilities.end() ? 0 : word->second;
  } else if (code == kReadState) {
    *output = stateAnswer;
  } else {
    *output = 0;
  }
  return true;
}

void FakeDeviceIo::Close(DeviceHandle device) {
  if (device == kDevice) --openHandles;
}

}  // namespace tavel::fake
