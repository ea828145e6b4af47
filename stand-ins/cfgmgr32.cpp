// Stand-in for the Configuration Manager: a device tree a test scripts in the
// registry, value "Devices" (REG_MULTI_SZ) of the cfgmgr32 part, one device a
// line as "DEVICE-ID|CLASS-GUID|PARENT-DEVICE-ID" (class and parent may be
// empty). Device instance n is the n-th line, counted from 1. The tree is
// read anew by every call, so a test can change it while a program runs.
#include <string>
#include <vector>

#include "standin_state.h"

namespace {

constexpr DWORD kSuccess = 0x00;
constexpr DWORD kInvalidPointer = 0x03;
constexpr DWORD kNoSuchDevnode = 0x0D;
constexpr DWORD kBufferSmall = 0x1A;
constexpr DWORD kNoSuchValue = 0x25;
constexpr ULONG kClassGuidProperty = 9;

struct Device {
  std::string id, classGuid, parentId;
};

std::vector<Device> Tree() {
  const std::string lines = standin::ReadString("cfgmgr32", "Devices");
  std::vector<Device> devices;
  for (size_t start = 0; start < lines.size();) {
    const size_t end = lines.find('\0', start);
    const std::string line = lines.substr(start, end - start);
    if (line.empty()) break;
    const size_t bar1 = line.find('|'), bar2 = line.find('|', bar1 + 1);
    devices.push_back({line.substr(0, bar1), line.substr(bar1 + 1, bar2 - bar1 - 1), line.substr(bar2 + 1)});
    start = end == std::string::npos ? lines.size() : end + 1;
  }
  return devices;
}

DWORD Find(const std::vector<Device>& tree, const std::string& id) {
  for (size_t i = 0; i < tree.size(); ++i)
    if (lstrcmpiA(tree[i].id.c_str(), id.c_str()) == 0) return static_cast<DWORD>(i + 1);
  return 0;
}

const Device* At(const std::vector<Device>& tree, DWORD instance) {
  return instance >= 1 && instance <= tree.size() ? &tree[instance - 1] : nullptr;
}

std::wstring WideList(const std::vector<Device>& tree) {
  std::wstring list;
  for (const auto& d : tree) {
    list.append(d.id.begin(), d.id.end());
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  return list;
}

DWORD CopyOut(const std::string& text, char* buffer, ULONG length) {
  if (buffer == nullptr) return kInvalidPointer;
  if (text.size() + 1 > length) return kBufferSmall;
  memcpy(buffer, text.c_str(), text.size() + 1);
  return kSuccess;
}

}  // namespace

extern "C" {

DWORD WINAPI CM_Get_Device_ID_List_SizeW(ULONG* length, const wchar_t*, ULONG) {
  if (length == nullptr) return kInvalidPointer;
  *length = static_cast<ULONG>(WideList(Tree()).size());
  return kSuccess;
}

DWORD WINAPI CM_Get_Device_ID_ListW(const wchar_t*, wchar_t* buffer, ULONG length, ULONG) {
  const std::wstring list = WideList(Tree());
  if (buffer == nullptr) return kInvalidPointer;
  if (list.size() > length) return kBufferSmall;
  memcpy(buffer, list.data(), list.size() * sizeof(wchar_t));
  return kSuccess;
}

DWORD WINAPI CM_Locate_DevNodeA(DWORD* instance, const char* deviceId, ULONG) {
  if (instance == nullptr || deviceId == nullptr) return kInvalidPointer;
  *instance = Find(Tree(), deviceId);
  return *instance != 0 ? kSuccess : kNoSuchDevnode;
}

DWORD WINAPI CM_Get_DevNode_Registry_PropertyA(DWORD instance, ULONG property, ULONG* type, void* buffer,
                                               ULONG* length, ULONG) {
  const auto tree = Tree();
  const Device* device = At(tree, instance);
  if (device == nullptr) return kNoSuchDevnode;
  if (property != kClassGuidProperty || device->classGuid.empty()) return kNoSuchValue;
  if (length == nullptr) return kInvalidPointer;
  if (type != nullptr) *type = REG_SZ;
  const DWORD result = CopyOut(device->classGuid, static_cast<char*>(buffer), *length);
  *length = static_cast<ULONG>(device->classGuid.size() + 1);
  return result;
}

DWORD WINAPI CM_Get_Parent(DWORD* parent, DWORD instance, ULONG) {
  const auto tree = Tree();
  const Device* device = At(tree, instance);
  if (parent == nullptr) return kInvalidPointer;
  if (device == nullptr || device->parentId.empty()) return kNoSuchDevnode;
  *parent = Find(tree, device->parentId);
  return *parent != 0 ? kSuccess : kNoSuchDevnode;
}

DWORD WINAPI CM_Get_Device_IDA(DWORD instance, char* buffer, ULONG length, ULONG) {
  const auto tree = Tree();
  const Device* device = At(tree, instance);
  if (device == nullptr) return kNoSuchDevnode;
  return CopyOut(device->id, buffer, length);
}

}  // extern "C"
