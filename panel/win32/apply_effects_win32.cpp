#include "panel/win32/apply_effects_win32.h"

#include <windows.h>

#include "common/settings_store.h"
#include "monitor/channel_sender.h"
#include "panel/win32/program_folder.h"

namespace tavel::panel {
namespace {

// Ordinals of the hook library's exports that take the key-sensitivity
// settings straight into the running hook.
constexpr WORD kSetKeySensMap = 27;
constexpr WORD kSetKeySensStatus = 30;
using SetKeySensMapFn = LONG(__stdcall*)(const KeySensMap*);
using SetKeySensStatusFn = LONG(__stdcall*)(DWORD);

template <typename Fn>
Fn Ordinal(HMODULE library, WORD ordinal) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

void Win32ApplyEffects::SaveLayout(const PanelSettings& s) {
  WriteStatus(registry_, status::kVrKbLangId, s.vrKbLangId);
}

void Win32ApplyEffects::WriteVrKb(const PanelSettings& s) {
  WriteStatus(registry_, status::kVrKb, s.vrKbAsgnsStatus);
  WriteRecord(registry_, s.vrKbMap);
  WriteStatus(registry_, status::kVrKbBrw, s.vrKbBrwAsgnsStatus);
  WriteRecord(registry_, s.vrKbBrwMap);
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
  WriteExtKbSettings(registry_, kExtKbMaskStatus | kExtKbMaskAutoStatus, s.extKb);
  WriteRecord(registry_, s.extKbMap);
}

void Win32ApplyEffects::SendExtKb(const PanelSettings& s) {
  const ExtKbChannelRecord record{{s.extKbMask, s.extKb}, s.extKbMap};
  SendChannelRecord(mappings_, windows_, record);
}

void Win32ApplyEffects::WriteKeySens(const PanelSettings& s) {
  WriteStatus(registry_, status::kKeySens, s.keySensAsgnsStatus);
  WriteRecord(registry_, s.keySensMap);
}

void Win32ApplyEffects::HandKeySensToHook(const PanelSettings& s) {
  const std::wstring path = BesideProgram(L"Tavelhook.dll");
  HMODULE library = path.empty() ? nullptr : LoadLibraryW(path.c_str());
  if (!library) return;
  if (auto setMap = Ordinal<SetKeySensMapFn>(library, kSetKeySensMap)) setMap(&s.keySensMap);
  if (auto setStatus = Ordinal<SetKeySensStatusFn>(library, kSetKeySensStatus)) {
    setStatus(s.keySensAsgnsStatus);
  }
  FreeLibrary(library);
}

void Win32ApplyEffects::WriteSymb(const PanelSettings& s) {
  WriteStatus(registry_, status::kSymb, s.symbAsgnsStatus);
  WriteRecord(registry_, s.symbMap);
}

void Win32ApplyEffects::SendSymb(const PanelSettings& s) {
  const SymbChannelRecord record{s.symbAsgnsStatus, s.symbMap};
  SendChannelRecord(mappings_, windows_, record);
}

}  // namespace tavel::panel
