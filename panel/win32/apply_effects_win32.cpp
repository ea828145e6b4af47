#include "panel/win32/apply_effects_win32.h"

#include <windows.h>

#include "monitor/channel_sender.h"
#include "panel/win32/hook_library_calls.h"

namespace tavel::panel {

void Win32ApplyEffects::SaveLayout(const PanelSettings& s) { stored_.WriteLayout(s); }

void Win32ApplyEffects::WriteVrKb(const PanelSettings& s) {
  stored_.WriteVrKbStatuses(s);
  stored_.WriteVrKbMaps(s);
}

void Win32ApplyEffects::SendVrKb(const PanelSettings& s) {
  const VrKbChannelRecord record{s.vrKbAsgnsStatus, s.vrKbMap, s.vrKbBrwAsgnsStatus, s.vrKbBrwMap};
  SendChannelRecord(mappings_, windows_, record);
}

// Five Shift presses in a row would otherwise turn StickyKeys on while a
// Shift key is the Windows key. Not saved: it lasts until logoff.
void Win32ApplyEffects::SwitchOffStickyKeysHotKey() {
  STICKYKEYS keys{};
  keys.cbSize = sizeof keys;
  if (!SystemParametersInfoW(SPI_GETSTICKYKEYS, sizeof keys, &keys, 0)) return;
  if (!(keys.dwFlags & SKF_HOTKEYACTIVE)) return;
  keys.dwFlags &= ~SKF_HOTKEYACTIVE;
  SystemParametersInfoW(SPI_SETSTICKYKEYS, sizeof keys, &keys, 0);
}

void Win32ApplyEffects::WriteExtKb(const PanelSettings& s) {
  stored_.WriteExtKbSettings(s, kExtKbMaskStatus | kExtKbMaskAutoStatus);
  stored_.WriteExtKbMap(s);
}

void Win32ApplyEffects::SendExtKb(const PanelSettings& s) {
  const ExtKbChannelRecord record{{s.extKbMask, s.extKb}, s.extKbMap};
  SendChannelRecord(mappings_, windows_, record);
}

void Win32ApplyEffects::WriteKeySens(const PanelSettings& s) {
  const bool statusChanged = stored_.WriteKeySensStatus(s);
  WriteKeySensMap(s);
  if (statusChanged) CallSetKeySensStatus(s.keySensAsgnsStatus);
}

void Win32ApplyEffects::WriteVrKbMaps(const PanelSettings& s) { stored_.WriteVrKbMaps(s); }

void Win32ApplyEffects::WriteExtKbMap(const PanelSettings& s) { stored_.WriteExtKbMap(s); }

void Win32ApplyEffects::WriteKeySensMap(const PanelSettings& s) {
  if (stored_.WriteKeySensMap(s)) CallSetKeySensMap(s.keySensMap);
}

void Win32ApplyEffects::WriteSymbMap(const PanelSettings& s) { stored_.WriteSymbMap(s); }

void Win32ApplyEffects::WriteSymb(const PanelSettings& s) {
  stored_.WriteSymbStatus(s);
  stored_.WriteSymbMap(s);
}

void Win32ApplyEffects::SendSymb(const PanelSettings& s) {
  const SymbChannelRecord record{s.symbAsgnsStatus, s.symbMap};
  SendChannelRecord(mappings_, windows_, record);
}

}  // namespace tavel::panel
