#include "common/hotkey_library.h"


#include "common/folder_path.h"
#include "common/registry_layout.h"

namespace tavel {

namespace {

constexpr char kLibraryFileName[] = "tvkif32.dll";
constexpr uint32_t kFolderCapacity = 260;

uint32_t PackageKeyAccess(SystemInfo& system, HotkeyLibraryUser user) {
  const bool sixtyFourBitView =
      user == HotkeyLibraryUser::ConfigurationProgram || system.IsWow64Process();
  return reg::kKeyRead | (sixtyFourBitView ? reg::kKeyWow64_64Key : 0);
}

template <typename Function>
bool ResolveInto(LibraryLoader& loader, LibraryHandle library, const char* name,
                 Function& function) {
  function = reinterpret_cast<Function>(loader.Resolve(library, name));
  return function != nullptr;
}

}  // namespace

std::string HotkeyLibraryPath(Registry& registry, SystemInfo& system, HotkeyLibraryUser user) {
  RegKey key = 0;
  if (registry.OpenKey(RegRoot::LocalMachine, keys::kHotkeyPackage,
                       PackageKeyAccess(system, user), &key) != reg::kSuccess) {
    return {};
  }
  // One zero beyond the capacity keeps an unterminated value terminated.
  char folder[kFolderCapacity + 1] = {};
  uint32_t size = kFolderCapacity;
  const bool valid = registry.QueryValue(key, nullptr, folder, &size) == reg::kSuccess && size > 1;
  registry.CloseKey(key);
  if (!valid || !IsAbsoluteFolder(folder)) return {};
  return std::string(folder) + "\\" + kLibraryFileName;
}

HotkeyInterfaceLibrary::HotkeyInterfaceLibrary(LibraryLoader& loader, const std::string& path)
    : loader_(loader) {
  if (path.empty()) return;
  const LibraryHandle library = loader.LoadLibraryAt(path.c_str());
  if (library == 0) return;
  HotkeyLibraryExports& e = exports_;
  const bool complete =
      ResolveInto(loader, library, "HK_IsFnFxAvailable", e.isFnFxAvailable) &&
      ResolveInto(loader, library, "HK_VirtualNotifyFnFx", e.virtualNotifyFnFx) &&
      ResolveInto(loader, library, "HK_IsVolumeMuteControllable", e.isVolumeMuteControllable) &&
      ResolveInto(loader, library, "HK_EnableVolumeMute", e.enableVolumeMute) &&
      ResolveInto(loader, library, "HK_GetMaxVolumeLevel", e.getMaxVolumeLevel) &&
      ResolveInto(loader, library, "HK_GetCurrentVolumeLevel", e.getCurrentVolumeLevel) &&
      ResolveInto(loader, library, "HK_SetVolumeLevel", e.setVolumeLevel) &&
      ResolveInto(loader, library, "HK_RunFullScreenMagnifier", e.runFullScreenMagnifier) &&
      ResolveInto(loader, library, "HK_GetVolumeMuteState", e.getVolumeMuteState);
  if (!complete) {
    exports_ = {};
    loader.Free(library);
    return;
  }
  library_ = library;
}

HotkeyInterfaceLibrary::~HotkeyInterfaceLibrary() {
  if (library_ != 0) loader_.Free(library_);
}

bool IsFnFunctionAvailable(Registry& registry, SystemInfo& system, LibraryLoader& loader,
                           uint32_t fnKey) {
  const std::string path =
      HotkeyLibraryPath(registry, system, HotkeyLibraryUser::ConfigurationProgram);
  if (path.empty()) return false;
  const LibraryHandle library = loader.LoadLibraryAt(path.c_str());
  if (library == 0) return false;
  uint32_t(TAVEL_STDCALL * isAvailable)(uint32_t) = nullptr;
  const bool available =
      ResolveInto(loader, library, "HK_IsFnFxAvailable", isAvailable) && isAvailable(fnKey) != 0;
  loader.Free(library);
  return available;
}

}  // namespace tavel
