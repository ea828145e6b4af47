// A hot-key driver stand-in that records every open and control request.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/device_io.h"

namespace tavel::fake {

struct DeviceRequest {
  uint32_t code;
  uint32_t input;
};

class FakeDeviceIo : public DeviceIo {
 public:
  DeviceHandle Open(const char* name, uint32_t flags) override;
  bool Control(DeviceHandle device, uint32_t code, uint32_t input, uint32_t* output) override;
  void Close(DeviceHandle device) override;

  // Only a device of this name opens (empty: no driver installed).
  std::string presentName = "\\\\.\\VRHKDRV";
  std::map<uint32_t, uint32_t> capabilities;  // selector -> capability word
  uint32_t stateAnswer = 0;                   // answer to every state read
  bool failRequests = false;

  std::vector<std::string> openedNames;
  std::vector<uint32_t> openFlags;
  std::vector<DeviceRequest> requests;
  int openHandles = 0;
};

}  // namespace tavel::fake
