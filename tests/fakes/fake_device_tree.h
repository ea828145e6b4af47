// A device tree built by the test: each device has an ID, a setup class and
// a parent; the list holds the devices in the order they were added.
#pragma once

#include <string>
#include <vector>

#include "platform/device_tree.h"

namespace tavel::fake {

class FakeDeviceTree : public DeviceTree {
 public:
  // Adds a device below `parent` (empty: below the root) and returns its ID.
  std::string Add(const std::string& id, const std::string& classGuid = "",
                  const std::string& parent = "");

  ConfigRet GetDeviceIdListSize(uint32_t* length) override;
  ConfigRet GetDeviceIdList(char16_t* buffer, uint32_t length) override;
  ConfigRet LocateDevNode(DevInst* instance, const char* deviceId) override;
  ConfigRet GetClassGuid(DevInst instance, char* buffer, uint32_t* length) override;
  ConfigRet GetParent(DevInst* parent, DevInst instance) override;
  ConfigRet GetDeviceId(DevInst instance, char* buffer, uint32_t length) override;
  bool ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi, uint32_t ansiLength) override;

  bool available = true;              // false: CfgMgr32 missing, every call gives 1
  bool reportedSizeOverride = false;  // report `reportedSize` as the list length
  uint32_t reportedSize = 0;
  std::vector<std::string> unlocatable;  // IDs that CM_Locate_DevNode refuses
  int listReads = 0;

 private:
  struct Device {
    std::string id;
    std::string classGuid;
    int parent;  // index into devices_, -1 = the root
  };
  std::u16string List() const;
  const Device* At(DevInst instance) const;

  std::vector<Device> devices_;
};

}  // namespace tavel::fake
