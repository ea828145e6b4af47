// The Configuration Manager's view of the device tree, as far as finding
// keyboards and their parents goes. Each call returns a CONFIGRET value: 0
// is success, and 1 stands for "the Configuration Manager or the function
// is not available" (nothing was called).
#pragma once

#include <cstdint>

namespace tavel {

using ConfigRet = uint32_t;
using DevInst = uint32_t;

namespace cfgmgr {
inline constexpr ConfigRet kSuccess = 0;
inline constexpr ConfigRet kUnavailable = 1;
}  // namespace cfgmgr

class DeviceTree {
 public:
  virtual ~DeviceTree() = default;
  // Length in characters of the list of every device instance ID.
  virtual ConfigRet GetDeviceIdListSize(uint32_t* length) = 0;
  // The list itself: zero-terminated wide IDs ended by an empty one.
  virtual ConfigRet GetDeviceIdList(char16_t* buffer, uint32_t length) = 0;
  virtual ConfigRet LocateDevNode(DevInst* instance, const char* deviceId) = 0;
  // The setup class GUID string of a device; *length is the buffer size in
  // bytes on entry.
  virtual ConfigRet GetClassGuid(DevInst instance, char* buffer, uint32_t* length) = 0;
  virtual ConfigRet GetParent(DevInst* parent, DevInst instance) = 0;
  virtual ConfigRet GetDeviceId(DevInst instance, char* buffer, uint32_t length) = 0;

  // The list comes in UTF-16 while every other call takes ANSI IDs; this is
  // the system code page conversion between them. Both counts include the
  // terminating zero. False when the text does not fit or does not convert.
  virtual bool ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi,
                      uint32_t ansiLength) = 0;
};

}  // namespace tavel
