// Actions carried out through the hot-key interface library. Each loads the
// library, does its work and frees it; an unusable library makes it a no-op.
#pragma once

#include <cstdint>

#include "monitor/hotkey_interface.h"

namespace tavel {

// Fn-key numbers of VirtualNotifyFnFx.
inline constexpr uint32_t kFnWirelessRadio = 5;
inline constexpr uint32_t kFnDovra = 9;
inline constexpr uint32_t kFnBrandedButton = 24;

// Both steps unmute a muted, controllable volume first, and set the level
// even when it is already at the end of its range.
void VolumeStepUp(HotkeyInterfaceLoader& loader);
void VolumeStepDown(HotkeyInterfaceLoader& loader);
// Mutes; never toggles.
void VolumeMute(HotkeyInterfaceLoader& loader);
void NotifyFnKey(HotkeyInterfaceLoader& loader, uint32_t fnKey);
void RunMagnifier(HotkeyInterfaceLoader& loader);

}  // namespace tavel
