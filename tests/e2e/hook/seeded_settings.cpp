#include "seeded_settings.h"

#include <windows.h>

#include "common/records.h"

namespace {

constexpr char kRoot[] = "Software\\Norvik\\Tavel\\DataV1_1";

bool SetValue(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
  char path[128];
  wsprintfA(path, *subkey ? "%s\\%s" : "%s", kRoot, subkey);
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

bool SeedSettings() {
  using namespace tavel;
  RemoveSettings();
  VrKbMap vrKb{{{vk::RMenu, vk::LWin}, {0, 0}}};
  ExtKbMap extKb{};
  extKb.entries[kExtVolumeUp] = {vk::RControl, vk::Up};
  extKb.entries[kExtStandby] = {vk::RControl, vk::F4};
  KeySensMap keySens{{{vk::Escape, 0}, {vk::F1, 0}, {vk::Tab, 0}, {vk::Capital, 0},
                      {vk::BrowserBack, 0}, {vk::BrowserForward, 0}}};
  return SetDword("", "TVKStatus", 0) && SetDword("VrKb", "VrKbAsgnsStatus", 1) &&
         SetDword("VrKb", "VrKbBrwAsgnsStatus", 1) && SetRecord("VrKb", "Mapdata", vrKb) &&
         SetRecord("VrKb", "MapdataBrw", VrKbBrwMap{}) &&
         SetDword("ExtKb", "ExtKbAsgnsStatus", 1) && SetDword("ExtKb", "ExtKbAsgnsAutoStatus", 0) &&
         SetDword("ExtKb", "USBKbPresent", 0) && SetDword("ExtKb", "Docked", 0) &&
         SetDword("ExtKb", "MorrowUSBKbPresent", 0) && SetRecord("ExtKb", "Mapdata", extKb) &&
         SetDword("KeySens", "KeySensAsgnsStatus", 1) &&
         SetRecord("KeySens", "Mapdata", keySens) && SetDword("Symb", "SymbAsgnsStatus", 0) &&
         SetRecord("Symb", "Mapdata", SymbMap{});
}

void RemoveSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }
