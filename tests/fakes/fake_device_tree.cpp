#include "tests/fakes/fake_device_tree.h"

#include <algorithm>
#include <cstring>

namespace tavel::fake {

namespace {

// Instances are indexes offset so that 0 is never a valid one.
constexpr DevInst kFirstInstance = 1;
constexpr ConfigRet kNoSuchDevnode = 0x0D;
constexpr ConfigRet kBufferSmall = 0x1A;

}  // namespace

std::string FakeDeviceTree::Add(const std::string& id, const std::string& classGuid,
                                const std::string& parent) {
  int parentIndex = -1;
  for (size_t i = 0; i < devices_.size(); ++i) {
    if (devices_[i].id == parent) parentIndex = static_cast<int>(i);
  }
  devices_.push_back({id, classGuid, parentIndex});
  return id;
}

std::u16string FakeDeviceTree::List() const {
  std::u16string list;
  for (const Device& d : devices_) {
    list.append(d.id.begin(), d.id.end());
    list.push_back(u'\0');
  }
  list.push_back(u'\0');
  return list;
}

const FakeDeviceTree::Device* FakeDeviceTree::At(DevInst instance) const {
  if (instance < kFirstInstance || instance - kFirstInstance >= devices_.size()) return nullptr;
  return &devices_[instance - kFirstInstance];
}

ConfigRet FakeDeviceTree::GetDeviceIdListSize(uint32_t* length) {
  if (!available) return cfgmgr::kUnavailable;
  *length = reportedSizeOverride ? reportedSize : static_cast<uint32_t>(List().size());
  return cfgmgr::kSuccess;
}

ConfigRet FakeDeviceTree::GetDeviceIdList(char16_t* buffer, uint32_t length) {
  ++listReads;
  if (!available) return cfgmgr::kUnavailable;
  const std::u16string list = List();
  if (length < list.size()) return kBufferSmall;
  std::copy(list.begin(), list.end(), buffer);
  return cfgmgr::kSuccess;
}

ConfigRet FakeDeviceTree::LocateDevNode(DevInst* instance, const char* deviceId) {
  if (!available) return cfgmgr::kUnavailable;
  if (std::count(unlocatable.begin(), unlocatable.end(), deviceId)) return kNoSuchDevnode;
  for (size_t i = 0; i < devices_.size(); ++i) {
    if (devices_[i].id == deviceId) {
      *instance = kFirstInstance + static_cast<DevInst>(i);
      return cfgmgr::kSuccess;
    }
  }
  return kNoSuchDevnode;
}

ConfigRet FakeDeviceTree::GetClassGuid(DevInst instance, char* buffer, uint32_t* length) {
  if (!available) return cfgmgr::kUnavailable;
  const Device* device = At(instance);
  // A device without a class has no such property, as in the real tree.
  if (device == nullptr || device->classGuid.empty()) return kNoSuchDevnode;
  if (*length < device->classGuid.size() + 1) return kBufferSmall;
  std::memcpy(buffer, device->classGuid.c_str(), device->classGuid.size() + 1);
  *length = static_cast<uint32_t>(device->classGuid.size() + 1);
  return cfgmgr::kSuccess;
}

ConfigRet FakeDeviceTree::GetParent(DevInst* parent, DevInst instance) {
  if (!available) return cfgmgr::kUnavailable;
  const Device* device = At(instance);
  if (device == nullptr || device->parent < 0) return kNoSuchDevnode;
  *parent = kFirstInstance + static_cast<DevInst>(device->parent);
  return cfgmgr::kSuccess;
}

ConfigRet FakeDeviceTree::GetDeviceId(DevInst instance, char* buffer, uint32_t length) {
  if (!available) return cfgmgr::kUnavailable;
  const Device* device = At(instance);
  if (device == nullptr) return kNoSuchDevnode;
  if (length < device->id.size() + 1) return kBufferSmall;
  std::memcpy(buffer, device->id.c_str(), device->id.size() + 1);
  return cfgmgr::kSuccess;
}

bool FakeDeviceTree::ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi,
                            uint32_t ansiLength) {
  if (ansiLength < wideLength) return false;
  for (uint32_t i = 0; i < wideLength; ++i) {
    if (wide[i] > 0x7F) return false;
    ansi[i] = static_cast<char>(wide[i]);
  }
  return true;
}

}  // namespace tavel::fake
