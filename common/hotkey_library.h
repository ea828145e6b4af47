// The notebook platform's hot-key interface library (tvkif32.dll), found
// through the folder its package records in the registry. It is loaded at
// the moment of use and freed right after.
#pragma once

#include <cstdint>
#include <string>

#include "platform/calling_convention.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace tavel {

// The two programs find the package's key differently: the configuration
// program always asks the 64-bit view, the monitor only when it runs under
// WOW64.
enum class HotkeyLibraryUser { Monitor, ConfigurationProgram };

// Full path of tvkif32.dll, or empty when the folder is not recorded.
std::string HotkeyLibraryPath(Registry& registry, SystemInfo& system, HotkeyLibraryUser user);

// The library's nine exports, resolved by name in this order. The monitor
// requires all of them although it never asks for availability itself.
struct HotkeyLibraryExports {
  uint32_t(TAVEL_STDCALL* isFnFxAvailable)(uint32_t fnKey);
  void(TAVEL_STDCALL* virtualNotifyFnFx)(uint32_t fnKey);
  uint32_t(TAVEL_STDCALL* isVolumeMuteControllable)();
  void(TAVEL_STDCALL* enableVolumeMute)(uint32_t mute);
  uint32_t(TAVEL_STDCALL* getMaxVolumeLevel)();
  uint32_t(TAVEL_STDCALL* getCurrentVolumeLevel)();
  void(TAVEL_STDCALL* setVolumeLevel)(uint32_t level);
  void(TAVEL_STDCALL* runFullScreenMagnifier)();
  uint32_t(TAVEL_STDCALL* getVolumeMuteState)();
};

// The monitor's binding, held for one action: loads the library and resolves
// every export, or, when the library or any export is missing, holds nothing
// (and frees the library at once). Freed when it goes out of scope.
class HotkeyInterfaceLibrary {
 public:
  HotkeyInterfaceLibrary(LibraryLoader& loader, const std::string& path);
  ~HotkeyInterfaceLibrary();
  HotkeyInterfaceLibrary(const HotkeyInterfaceLibrary&) = delete;
  HotkeyInterfaceLibrary& operator=(const HotkeyInterfaceLibrary&) = delete;

  bool usable() const { return library_ != 0; }
  // Valid only while usable().
  const HotkeyLibraryExports& exports() const { return exports_; }

 private:
  LibraryLoader& loader_;
  LibraryHandle library_ = 0;
  HotkeyLibraryExports exports_{};
};

// Fn-key numbers of the functions some notebooks lack.
inline constexpr uint32_t kFnWirelessRadio = 5;
inline constexpr uint32_t kFnDovra = 9;

// The configuration program's question: does Fn-key function `fnKey` exist?
// Loads the library, calls HK_IsFnFxAvailable only, frees it; false when the
// library or the export is missing.
bool IsFnFunctionAvailable(Registry& registry, SystemInfo& system, LibraryLoader& loader,
                           uint32_t fnKey);

}  // namespace tavel
