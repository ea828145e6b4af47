#include "seeded_settings.h"

namespace {

using namespace tavel;

constexpr char kRoot[] = "Software\\Norvik\\Tavel\\DataV1_1";

SeededSettings MakeSeeds() {
  SeededSettings s{};
  s.vrKbMap = {{{vk::RMenu, vk::LWin}, {0, 0}}};
  s.vrKbStatus = 5;
  s.extKbMap.entries[kExtVolumeUp] = {vk::RControl, vk::Up};
  s.extKbMap.entries[kExtStandby] = {vk::RControl, vk::F4};
  s.extKbSettings = {1, 0, 6, 8, 0};  // on, not automatic, Morrow keyboard absent
  s.keySensMap = {{{vk::Escape, 0}, {vk::F1, 0}, {vk::Tab, 0}, {vk::Capital, 0},
                   {vk::BrowserBack, 0}, {vk::BrowserForward, 0}}};
  s.keySensStatus = 1;
  s.symbMap.entries[5] = {9, vk::LShift, 0x88};  // Shift + F23
  s.symbStatus = 4;
  s.vrKbBrwMap.entries[kBrwEject] = {vk::LControl, 0x87};  // left Ctrl + F24
  s.vrKbBrwStatus = 3;
  return s;
}

void SubkeyPath(const char* subkey, char* path) {
  wsprintfA(path, *subkey ? "%s\\%s" : "%s", kRoot, subkey);
}

bool SetValue(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
  char path[128];
  SubkeyPath(subkey, path);
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  bool ok = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) ==
            ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

bool SetDword(const char* subkey, const char* name, DWORD value) {
  return SetValue(subkey, name, REG_DWORD, &value, sizeof(value));
}

template <class Record>
bool SetRecord(const char* subkey, const char* name, const Record& record) {
  return SetValue(subkey, name, REG_BINARY, &record, sizeof(record));
}

}  // namespace

const SeededSettings& Seeded() {
  static const SeededSettings seeds = MakeSeeds();
  return seeds;
}

bool SeedSettings() {
  const SeededSettings& s = Seeded();
  RemoveSettings();
  return SetDword("", "TVKStatus", 0) && SetDword("VrKb", "VrKbAsgnsStatus", s.vrKbStatus) &&
         SetDword("VrKb", "VrKbBrwAsgnsStatus", s.vrKbBrwStatus) &&
         SetRecord("VrKb", "Mapdata", s.vrKbMap) && SetRecord("VrKb", "MapdataBrw", s.vrKbBrwMap) &&
         SetDword("ExtKb", "ExtKbAsgnsStatus", s.extKbSettings.status) &&
         SetDword("ExtKb", "ExtKbAsgnsAutoStatus", s.extKbSettings.autoStatus) &&
         SetDword("ExtKb", "USBKbPresent", s.extKbSettings.usbKbPresent) &&
         SetDword("ExtKb", "Docked", s.extKbSettings.docked) &&
         SetDword("ExtKb", "MorrowUSBKbPresent", s.extKbSettings.morrowUsbKbPresent) &&
         SetRecord("ExtKb", "Mapdata", s.extKbMap) &&
         SetDword("KeySens", "KeySensAsgnsStatus", s.keySensStatus) &&
         SetRecord("KeySens", "Mapdata", s.keySensMap) &&
         SetDword("Symb", "SymbAsgnsStatus", s.symbStatus) && SetRecord("Symb", "Mapdata", s.symbMap);
}

void RemoveSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }

bool ReadSetting(const char* subkey, const char* name, void* data, DWORD size) {
  char path[128];
  SubkeyPath(subkey, path);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD stored = size;
  bool ok = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &stored) ==
                ERROR_SUCCESS &&
            stored == size;
  RegCloseKey(key);
  return ok;
}
