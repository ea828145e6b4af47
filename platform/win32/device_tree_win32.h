#pragma once

#include "platform/device_tree.h"
#include "platform/library_loader.h"

namespace tavel {

// Binds CfgMgr32.dll (from the system directory) afresh for every call and
// frees it right after, so a system without it simply reports failures.
class Win32DeviceTree : public DeviceTree {
 public:
  explicit Win32DeviceTree(LibraryLoader& loader) : loader_(loader) {}

  ConfigRet GetDeviceIdListSize(uint32_t* length) override;
  ConfigRet GetDeviceIdList(char16_t* buffer, uint32_t length) override;
  ConfigRet LocateDevNode(DevInst* instance, const char* deviceId) override;
  ConfigRet GetClassGuid(DevInst instance, char* buffer, uint32_t* length) override;
  ConfigRet GetParent(DevInst* parent, DevInst instance) override;
  ConfigRet GetDeviceId(DevInst instance, char* buffer, uint32_t length) override;
  bool ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi, uint32_t ansiLength) override;

 private:
  LibraryLoader& loader_;
};

}  // namespace tavel
