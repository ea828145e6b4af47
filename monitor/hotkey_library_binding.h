// The monitor's actions' view of the hot-key interface library, bound to the
// installed tvkif32.dll for the length of one action.
#pragma once

#include "monitor/hotkey_interface.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace tavel {

class HotkeyLibraryBinding : public HotkeyInterfaceLoader {
 public:
  HotkeyLibraryBinding(Registry& registry, SystemInfo& system, LibraryLoader& loader)
      : registry_(registry), system_(system), loader_(loader) {}
  std::unique_ptr<HotkeyInterface> Load() override;

 private:
  Registry& registry_;
  SystemInfo& system_;
  LibraryLoader& loader_;
};

}  // namespace tavel
