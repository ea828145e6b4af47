// A device driver reached through a device name and I/O control requests
// whose input and output are single 32-bit words (little-endian bytes).
#pragma once

#include <cstdint>

namespace tavel {

using DeviceHandle = uintptr_t;  // 0 = the open failed

namespace device {
inline constexpr uint32_t kFlagDeleteOnClose = 0x04000000;
}

class DeviceIo {
 public:
  virtual ~DeviceIo() = default;
  // Opens for read and write, shared read and write, existing device only.
  virtual DeviceHandle Open(const char* name, uint32_t flags) = 0;
  // One control request with 4-byte input and output buffers.
  virtual bool Control(DeviceHandle device, uint32_t code, uint32_t input, uint32_t* output) = 0;
  virtual void Close(DeviceHandle device) = 0;
};

}  // namespace tavel
