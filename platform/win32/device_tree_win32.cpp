#include "platform/win32/device_tree_win32.h"

#include <windows.h>

namespace tavel {

namespace {

constexpr ULONG kClassGuidProperty = 9;  // CM_DRP_CLASSGUID
constexpr ULONG kLocateNormal = 0;       // CM_LOCATE_DEVNODE_NORMAL

// Binds one Configuration Manager function for a single call.
template <typename Function, typename... Args>
ConfigRet CallCfgMgr(LibraryLoader& loader, const char* name, Args... args) {
  const LibraryHandle library = loader.LoadSystemLibrary("CfgMgr32.dll");
  if (library == 0) return cfgmgr::kUnavailable;
  ConfigRet result = cfgmgr::kUnavailable;
  if (auto function = reinterpret_cast<Function>(loader.Resolve(library, name))) {
    result = function(args...);
  }
  loader.Free(library);
  return result;
}

using ListSizeFn = DWORD(WINAPI*)(ULONG*, const wchar_t*, ULONG);
using ListFn = DWORD(WINAPI*)(const wchar_t*, wchar_t*, ULONG, ULONG);
using LocateFn = DWORD(WINAPI*)(DWORD*, char*, ULONG);
using PropertyFn = DWORD(WINAPI*)(DWORD, ULONG, ULONG*, void*, ULONG*, ULONG);
using ParentFn = DWORD(WINAPI*)(DWORD*, DWORD, ULONG);
using DeviceIdFn = DWORD(WINAPI*)(DWORD, char*, ULONG, ULONG);

}  // namespace

static_assert(sizeof(wchar_t) == sizeof(char16_t));

ConfigRet Win32DeviceTree::GetDeviceIdListSize(uint32_t* length) {
  ULONG size = 0;
  const ConfigRet result = CallCfgMgr<ListSizeFn>(loader_, "CM_Get_Device_ID_List_SizeW", &size,
                                                  static_cast<const wchar_t*>(nullptr), 0UL);
  *length = size;
  return result;
}

ConfigRet Win32DeviceTree::GetDeviceIdList(char16_t* buffer, uint32_t length) {
  return CallCfgMgr<ListFn>(loader_, "CM_Get_Device_ID_ListW",
                            static_cast<const wchar_t*>(nullptr),
                            reinterpret_cast<wchar_t*>(buffer), ULONG{length}, 0UL);
}

ConfigRet Win32DeviceTree::LocateDevNode(DevInst* instance, const char* deviceId) {
  DWORD located = 0;
  const ConfigRet result = CallCfgMgr<LocateFn>(loader_, "CM_Locate_DevNodeA", &located,
                                                const_cast<char*>(deviceId), kLocateNormal);
  *instance = located;
  return result;
}

ConfigRet Win32DeviceTree::GetClassGuid(DevInst instance, char* buffer, uint32_t* length) {
  ULONG size = *length;
  const ConfigRet result = CallCfgMgr<PropertyFn>(
      loader_, "CM_Get_DevNode_Registry_PropertyA", DWORD{instance}, kClassGuidProperty,
      static_cast<ULONG*>(nullptr), static_cast<void*>(buffer), &size, 0UL);
  *length = size;
  return result;
}

ConfigRet Win32DeviceTree::GetParent(DevInst* parent, DevInst instance) {
  DWORD found = 0;
  const ConfigRet result =
      CallCfgMgr<ParentFn>(loader_, "CM_Get_Parent", &found, DWORD{instance}, 0UL);
  *parent = found;
  return result;
}

ConfigRet Win32DeviceTree::GetDeviceId(DevInst instance, char* buffer, uint32_t length) {
  return CallCfgMgr<DeviceIdFn>(loader_, "CM_Get_Device_IDA", DWORD{instance}, buffer,
                                ULONG{length}, 0UL);
}

bool Win32DeviceTree::ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi,
                             uint32_t ansiLength) {
  return WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(wide),
                             static_cast<int>(wideLength), ansi, static_cast<int>(ansiLength),
                             nullptr, nullptr) != 0;
}

}  // namespace tavel
