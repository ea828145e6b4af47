#include "export_wiring.h"

#include <cstring>

#include "check.h"
#include "hook/tavelhook_api.h"
#include "seeded_settings.h"

namespace {

using namespace tavel;

template <class T>
bool SameBytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class Record>
Record Pattern(DWORD base) {
  Record record;
  auto* words = reinterpret_cast<DWORD*>(&record);
  for (size_t i = 0; i < sizeof(record) / 4; ++i) words[i] = base + static_cast<DWORD>(i);
  return record;
}

template <class Record>
bool Stored(const char* subkey, const char* name, const Record& expected) {
  Record stored{};
  return ReadSetting(subkey, name, &stored, sizeof(stored)) && SameBytes(stored, expected);
}

template <class Record>
Record Got(Record* (__stdcall* get)(Record*)) {
  Record out{};
  get(&out);
  return out;
}

DWORD GotStatus(DWORD* (__stdcall* get)(DWORD*)) {
  DWORD out = 0xFFFF;
  get(&out);
  return out;
}

ExtKbSettings GotExtKbSettings() {
  ExtKbSettingsRequest request{kExtKbMaskAll, {}};
  GetExtKbSettings(&request);
  return request.values;
}

void CheckGetsMatchSeeds(const char* when) {
  const SeededSettings& s = Seeded();
  bool same = SameBytes(Got(GetVrKbMap), s.vrKbMap) && GotStatus(GetVrKbStatus) == s.vrKbStatus &&
              SameBytes(Got(GetExtKbMap), s.extKbMap) &&
              SameBytes(GotExtKbSettings(), s.extKbSettings) &&
              SameBytes(Got(GetKeySensMap), s.keySensMap) &&
              GotStatus(GetKeySensStatus) == s.keySensStatus &&
              SameBytes(Got(GetSymbMap), s.symbMap) && GotStatus(GetSymbStatus) == s.symbStatus &&
              SameBytes(Got(GetVrKbBrwMap), s.vrKbBrwMap) &&
              GotStatus(GetVrKbBrwStatus) == s.vrKbBrwStatus;
  Check(same, std::string("every Get returns the seeded item ") + when);
}

// Each Set gets values of its own; each must land in its own registry value
// and come back from its own Get.
void CheckSets() {
  const auto vrKb = Pattern<VrKbMap>(0x100);
  const auto extKb = Pattern<ExtKbMap>(0x200);
  const auto keySens = Pattern<KeySensMap>(0x300);
  const auto symb = Pattern<SymbMap>(0x400);
  const auto vrKbBrw = Pattern<VrKbBrwMap>(0x500);
  const ExtKbSettings ext{0x61, 0x62, 0x63, 0x64, 0x65};
  LONG results[] = {SetVrKbMap(&vrKb),         SetVrKbStatus(0x51),
                    SetExtKbMap(&extKb),       SetExtKbSettings(kExtKbMaskAll, 0x61, 0x62, 0x63,
                                                                0x64, 0x65),
                    SetKeySensMap(&keySens),   SetKeySensStatus(0x52),
                    SetSymbMap(&symb),         SetSymbStatus(0x53),
                    SetVrKbBrwMap(&vrKbBrw),   SetVrKbBrwStatus(0x54)};
  bool allZero = true;
  for (LONG result : results) allZero &= result == ERROR_SUCCESS;
  Check(allZero, "every Set returns 0");

  ExtKbSettings storedExt{};
  bool extStored = ReadSetting("ExtKb", "ExtKbAsgnsStatus", &storedExt.status, 4) &&
                   ReadSetting("ExtKb", "ExtKbAsgnsAutoStatus", &storedExt.autoStatus, 4) &&
                   ReadSetting("ExtKb", "USBKbPresent", &storedExt.usbKbPresent, 4) &&
                   ReadSetting("ExtKb", "Docked", &storedExt.docked, 4) &&
                   ReadSetting("ExtKb", "MorrowUSBKbPresent", &storedExt.morrowUsbKbPresent, 4);
  Check(Stored("VrKb", "Mapdata", vrKb) && Stored("VrKb", "VrKbAsgnsStatus", DWORD{0x51}) &&
            Stored("ExtKb", "Mapdata", extKb) && extStored && SameBytes(storedExt, ext) &&
            Stored("KeySens", "Mapdata", keySens) &&
            Stored("KeySens", "KeySensAsgnsStatus", DWORD{0x52}) &&
            Stored("Symb", "Mapdata", symb) && Stored("Symb", "SymbAsgnsStatus", DWORD{0x53}) &&
            Stored("VrKb", "MapdataBrw", vrKbBrw) &&
            Stored("VrKb", "VrKbBrwAsgnsStatus", DWORD{0x54}),
        "every Set writes its own registry value");
  Check(SameBytes(Got(GetVrKbMap), vrKb) && GotStatus(GetVrKbStatus) == 0x51 &&
            SameBytes(Got(GetExtKbMap), extKb) && SameBytes(GotExtKbSettings(), ext) &&
            SameBytes(Got(GetKeySensMap), keySens) && GotStatus(GetKeySensStatus) == 0x52 &&
            SameBytes(Got(GetSymbMap), symb) && GotStatus(GetSymbStatus) == 0x53 &&
            SameBytes(Got(GetVrKbBrwMap), vrKbBrw) && GotStatus(GetVrKbBrwStatus) == 0x54,
        "every Set stores into the item its Get reads");
}

}  // namespace

bool LoadAll() {
  LONG results[] = {LoadVrKbMap(),       LoadVrKbStatus(), LoadExtKbMap(),   LoadExtKbSettings(),
                    LoadKeySensMap(),    LoadKeySensStatus(), LoadSymbMap(), LoadSymbStatus(),
                    LoadVrKbBrwMap(),    LoadVrKbBrwStatus()};
  for (LONG result : results) {
    if (result != ERROR_SUCCESS) return false;
  }
  return true;
}

void CheckExportWiring() {
  CheckGetsMatchSeeds("after Load");
  CheckSets();
  Check(SeedSettings() && LoadAll(), "seed and load again");
  CheckGetsMatchSeeds("after loading again");
}
