// Reading and writing the settings in the registry. Every operation opens
// its key, reads or writes one or a few values and closes the key again. The
// result is the Win32 code of a failed open or create, otherwise that of
// closing the key (0); the results of single value reads are not reported,
// a missing value simply leaves the default or the previous contents.
#pragma once

#include <cstdint>
#include <string>

#include "common/keyboard_layout.h"
#include "common/records.h"
#include "common/registry_layout.h"
#include "platform/registry.h"

namespace tavel {

// --- The five records (REG_BINARY "Mapdata" / "MapdataBrw") ---------------
// A read delivers at most the record's size: a shorter or missing value
// leaves the remaining bytes as they were, a longer one delivers its first
// bytes. A missing key leaves the record untouched. A write creates a missing
// key and stores the whole record.
RegResult ReadRecord(Registry& registry, VrKbMap& record);
RegResult ReadRecord(Registry& registry, VrKbBrwMap& record);
RegResult ReadRecord(Registry& registry, ExtKbMap& record);
RegResult ReadRecord(Registry& registry, KeySensMap& record);
RegResult ReadRecord(Registry& registry, SymbMap& record);
RegResult WriteRecord(Registry& registry, const VrKbMap& record);
RegResult WriteRecord(Registry& registry, const VrKbBrwMap& record);
RegResult WriteRecord(Registry& registry, const ExtKbMap& record);
RegResult WriteRecord(Registry& registry, const KeySensMap& record);
RegResult WriteRecord(Registry& registry, const SymbMap& record);

// --- Single REG_DWORD values of the user ----------------------------------
struct StatusValue {
  const char* key;        // below HKEY_CURRENT_USER
  const char* name;
  uint32_t defaultValue;  // stored when the key opens but the value is missing
};

namespace status {
inline constexpr StatusValue kVrKb{keys::kVrKb, values::kVrKbStatus, 0};
inline constexpr StatusValue kVrKbBrw{keys::kVrKb, values::kVrKbBrwStatus, 1};
inline constexpr StatusValue kVrKbLangId{keys::kVrKb, values::kVrKbLangId, kLayoutUsEnglish};
inline constexpr StatusValue kKeySens{keys::kKeySens, values::kKeySensStatus, 1};
inline constexpr StatusValue kSymb{keys::kSymb, values::kSymbStatus, 1};
inline constexpr StatusValue kTvk{keys::kDataRoot, values::kTvkStatus, 0};
}  // namespace status

// Stores the value (or its default) in `value`; a key that cannot be opened
// leaves `value` untouched.
RegResult ReadStatus(Registry& registry, const StatusValue& which, uint32_t& value);
// Needs the key to exist: a missing key fails with the open error and
// nothing is created.
RegResult WriteStatus(Registry& registry, const StatusValue& which, uint32_t value);

// The notebook layout; unlike the status values it creates a missing key.
RegResult WriteLayoutId(Registry& registry, uint32_t layout);

// --- External-keyboard settings (five REG_DWORDs in ExtKb) -----------------
// What a missing value reads as.
inline constexpr ExtKbSettings kExtKbSettingsDefaults{0, 1, 0, 0, 0};
RegResult ReadExtKbSettings(Registry& registry, ExtKbSettings& settings);
// Writes only the values whose ExtKbSettingsMask bit is set; the key must
// exist, as for WriteStatus.
RegResult WriteExtKbSettings(Registry& registry, uint32_t mask, const ExtKbSettings& settings);

// --- Machine-wide values (HKEY_LOCAL_MACHINE), read only -------------------
// USBOBIKBDetectStatus and SvcMnApStatus of the Data key; `value` is left
// as it was when the key or the value is missing.
RegResult ReadUsbObiKbDetectStatus(Registry& registry, uint32_t& value);
RegResult ReadSvcMnApStatus(Registry& registry, uint32_t& value);
// TAVELVersion of InstallInfo; empty when missing.
std::string ReadTavelVersion(Registry& registry);
// The installation folder; false when the key is missing.
bool ReadInstallFolder(Registry& registry, std::string& folder);
// The Ostra help program reports version 4 or later.
bool HasOstraVersion4(Registry& registry);
// The Velmora program's uninstall key exists.
bool HasVelmoraProgram(Registry& registry);

// --- The user's start-up entries (Run key) --------------------------------
bool HasStartupEntry(Registry& registry, const char* name);
// present = true sets the value to `command` (REG_SZ), false deletes it.
RegResult SetStartupEntry(Registry& registry, const char* name, const char* command, bool present);

}  // namespace tavel
