#pragma once

#include "platform/device_io.h"

namespace tavel {

class Win32DeviceIo : public DeviceIo {
 public:
  DeviceHandle Open(const char* name, uint32_t flags) override;
  bool Control(DeviceHandle device, uint32_t code, uint32_t input, uint32_t* output) override;
  void Close(DeviceHandle device) override;
};

}  // namespace tavel
