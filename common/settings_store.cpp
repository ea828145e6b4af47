#include "common/settings_store.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "common/keyboard_layout.h"
#include "common/maker_ids.h"
#include "common/ostra_version.h"
#include "common/registry_access.h"
#include "common/folder_path.h"
#include "common/registry_layout.h"

namespace tavel {

namespace {

// Access for writing a value into a key that must already exist.
constexpr uint32_t kWriteExisting = reg::kKeyRead | reg::kKeyCreateSubKey | reg::kKeySetValue;

// Capacity of the string values this program reads (MAX_PATH).
constexpr uint32_t kStringCapacity = 260;

// Copies `count` bytes into a record of 32-bit words with whole-word
// stores. The record may be the hook library's shared copy, which the hook
// reads without a lock: it may see a record half old and half new, but never
// a torn word. A trailing partial word keeps its other bytes.
void StoreWords(void* record, const uint8_t* bytes, uint32_t count) {
  auto* words = static_cast<volatile uint32_t*>(record);
  const uint32_t whole = count / sizeof(uint32_t);
  for (uint32_t i = 0; i < whole; ++i) {
    uint32_t word;
    std::memcpy(&word, bytes + i * sizeof word, sizeof word);
    words[i] = word;
  }
  if (const uint32_t rest = count % sizeof(uint32_t)) {
    uint32_t word = words[whole];
    std::memcpy(&word, bytes + whole * sizeof word, rest);
    words[whole] = word;
  }
}

// Reads into the first `size` bytes of `record`. The value is fetched whole
// into a buffer of its own first: a value longer than the record then still
// delivers its leading bytes, where a direct read would get ERROR_MORE_DATA
// and undefined buffer contents.
void QueryRecordBytes(Registry& registry, RegKey key, const char* name, void* record,
                      uint32_t size) {
  uint32_t stored = 0;
  if (registry.QueryValue(key, name, nullptr, &stored) != reg::kSuccess || stored == 0) return;
  std::unique_ptr<uint8_t[]> scratch(new (std::nothrow) uint8_t[stored]);
  if (!scratch) return;
  uint32_t read = stored;
  if (registry.QueryValue(key, name, scratch.get(), &read) != reg::kSuccess) return;
  StoreWords(record, scratch.get(), std::min(read, size));
}

RegResult ReadBinary(Registry& registry, const char* subkey, const char* name, void* record,
                     uint32_t size) {
  RegKey key = 0;
  const RegResult opened = registry.OpenKey(RegRoot::CurrentUser, subkey, reg::kKeyRead, &key);
  if (opened != reg::kSuccess) return opened;
  QueryRecordBytes(registry, key, name, record, size);
  return registry.CloseKey(key);
}

RegResult WriteBinary(Registry& registry, const char* subkey, const char* name,
                      const void* record, uint32_t size) {
  RegKey key = 0;
  const RegResult created =
      registry.CreateKey(RegRoot::CurrentUser, subkey, reg::kKeyAllAccess, &key);
  if (created != reg::kSuccess) return created;
  registry.SetValue(key, name, reg::kTypeBinary, record, size);
  return registry.CloseKey(key);
}

RegResult ReadMachineDword(Registry& registry, const char* name, uint32_t& value) {
  RegKey key = 0;
  const RegResult opened =
      registry.OpenKey(RegRoot::LocalMachine, keys::kMachineData, reg::kKeyRead, &key);
  if (opened != reg::kSuccess) return opened;
  QueryDword(registry, key, name, value);
  return registry.CloseKey(key);
}

// Reads a machine-wide string value; false when the key does not open. The
// buffer keeps a zero beyond the capacity, so a value stored without its
// terminator still ends.
bool ReadMachineString(Registry& registry, const char* subkey, const char* name,
                       std::string& text) {
  RegKey key = 0;
  if (registry.OpenKey(RegRoot::LocalMachine, subkey, reg::kKeyRead, &key) != reg::kSuccess) {
    return false;
  }
  char buffer[kStringCapacity + 1] = {};
  uint32_t size = kStringCapacity;
  if (registry.QueryValue(key, name, buffer, &size) != reg::kSuccess) buffer[0] = '\0';
  registry.CloseKey(key);
  text = buffer;
  return true;
}

// Settings of the external-keyboard key in mask-bit order.
struct ExtKbField {
  uint32_t mask;
  const char* name;
  uint32_t ExtKbSettings::*field;
};

constexpr ExtKbField kExtKbFields[] = {
    {kExtKbMaskStatus, values::kExtKbStatus, &ExtKbSettings::status},
    {kExtKbMaskAutoStatus, values::kExtKbAutoStatus, &ExtKbSettings::autoStatus},
    {kExtKbMaskUsbKbPresent, values::kUsbKbPresent, &ExtKbSettings::usbKbPresent},
    {kExtKbMaskDocked, values::kDocked, &ExtKbSettings::docked},
    {kExtKbMaskMorrowUsbKbPresent, values::kMorrowUsbKbPresent,
     &ExtKbSettings::morrowUsbKbPresent},
};

}  // namespace

RegResult ReadRecord(Registry& r, VrKbMap& m) {
  return ReadBinary(r, keys::kVrKb, values::kMapdata, &m, sizeof m);
}
RegResult ReadRecord(Registry& r, VrKbBrwMap& m) {
  return ReadBinary(r, keys::kVrKb, values::kMapdataBrw, &m, sizeof m);
}
RegResult ReadRecord(Registry& r, ExtKbMap& m) {
  return ReadBinary(r, keys::kExtKb, values::kMapdata, &m, sizeof m);
}
RegResult ReadRecord(Registry& r, KeySensMap& m) {
  return ReadBinary(r, keys::kKeySens, values::kMapdata, &m, sizeof m);
}
RegResult ReadRecord(Registry& r, SymbMap& m) {
  return ReadBinary(r, keys::kSymb, values::kMapdata, &m, sizeof m);
}
RegResult WriteRecord(Registry& r, const VrKbMap& m) {
  return WriteBinary(r, keys::kVrKb, values::kMapdata, &m, sizeof m);
}
RegResult WriteRecord(Registry& r, const VrKbBrwMap& m) {
  return WriteBinary(r, keys::kVrKb, values::kMapdataBrw, &m, sizeof m);
}
RegResult WriteRecord(Registry& r, const ExtKbMap& m) {
  return WriteBinary(r, keys::kExtKb, values::kMapdata, &m, sizeof m);
}
RegResult WriteRecord(Registry& r, const KeySensMap& m) {
  return WriteBinary(r, keys::kKeySens, values::kMapdata, &m, sizeof m);
}
RegResult WriteRecord(Registry& r, const SymbMap& m) {
  return WriteBinary(r, keys::kSymb, values::kMapdata, &m, sizeof m);
}

RegResult ReadStatus(Registry& registry, const StatusValue& which, uint32_t& value) {
  RegKey key = 0;
  const RegResult opened = registry.OpenKey(RegRoot::CurrentUser, which.key, reg::kKeyRead, &key);
  if (opened != reg::kSuccess) return opened;
  uint32_t read = which.defaultValue;
  QueryDword(registry, key, which.name, read);
  const RegResult closed = registry.CloseKey(key);
  value = read;
  return closed;
}

namespace {

RegResult WriteUserDword(Registry& registry, const StatusValue& which, uint32_t value,
                         bool createKey) {
  RegKey key = 0;
  const RegResult opened =
      createKey ? registry.CreateKey(RegRoot::CurrentUser, which.key, kWriteExisting, &key)
                : registry.OpenKey(RegRoot::CurrentUser, which.key, kWriteExisting, &key);
  if (opened != reg::kSuccess) return opened;
  SetDword(registry, key, which.name, value);
  return registry.CloseKey(key);
}

}  // namespace

RegResult WriteStatus(Registry& registry, const StatusValue& which, uint32_t value) {
  return WriteUserDword(registry, which, value, false);
}

RegResult WriteLayoutId(Registry& registry, uint32_t layout) {
  return WriteUserDword(registry, status::kVrKbLangId, layout, true);
}

RegResult ReadExtKbSettings(Registry& registry, ExtKbSettings& settings) {
  RegKey key = 0;
  const RegResult opened =
      registry.OpenKey(RegRoot::CurrentUser, keys::kExtKb, reg::kKeyRead, &key);
  if (opened != reg::kSuccess) return opened;
  for (const ExtKbField& f : kExtKbFields) {
    uint32_t read = kExtKbSettingsDefaults.*f.field;
    QueryDword(registry, key, f.name, read);
    settings.*f.field = read;
  }
  return registry.CloseKey(key);
}

RegResult WriteExtKbSettings(Registry& registry, uint32_t mask, const ExtKbSettings& settings) {
  RegKey key = 0;
  const RegResult opened =
      registry.OpenKey(RegRoot::CurrentUser, keys::kExtKb, kWriteExisting, &key);
  if (opened != reg::kSuccess) return opened;
  for (const ExtKbField& f : kExtKbFields) {
    if (mask & f.mask) SetDword(registry, key, f.name, settings.*f.field);
  }
  return registry.CloseKey(key);
}

RegResult ReadUsbObiKbDetectStatus(Registry& registry, uint32_t& value) {
  return ReadMachineDword(registry, values::kUsbObiKbDetectStatus, value);
}

RegResult ReadSvcMnApStatus(Registry& registry, uint32_t& value) {
  return ReadMachineDword(registry, values::kSvcMnApStatus, value);
}

std::string ReadTavelVersion(Registry& registry) {
  std::string version;
  ReadMachineString(registry, keys::kInstallInfo, values::kTavelVersion, version);
  return version;
}

// Installers commonly store a folder with its closing backslash (a Windows
// Installer folder property always ends in one); callers append
// a backslash and a file name, so it is dropped here. A folder that does not
// name its place completely counts as not recorded.
bool ReadInstallFolder(Registry& registry, std::string& folder) {
  std::string stored;
  if (!ReadMachineString(registry, keys::kInstallPath, nullptr, stored)) return false;
  while (!stored.empty() && stored.back() == '\\') stored.pop_back();
  if (!IsAbsoluteFolder(stored)) return false;
  folder = stored;
  return true;
}

bool HasOstraVersion4(Registry& registry) {
  std::string version;
  return ReadMachineString(registry, keys::kOstra, values::kOstraVersion, version) &&
         IsOstraVersion4OrLater(version.c_str());
}

bool HasVelmoraProgram(Registry& registry) {
  const std::string subkey = std::string(keys::kUninstall) + maker::kVelmoraProductCode;
  return KeyExists(registry, RegRoot::LocalMachine, subkey.c_str(), reg::kKeyRead);
}

bool HasStartupEntry(Registry& registry, const char* name) {
  RegKey key = 0;
  if (registry.OpenKey(RegRoot::CurrentUser, keys::kRun, reg::kKeyRead, &key) != reg::kSuccess) {
    return false;
  }
  uint32_t size = 0;
  const bool present = registry.QueryValue(key, name, nullptr, &size) == reg::kSuccess;
  registry.CloseKey(key);
  return present;
}

RegResult SetStartupEntry(Registry& registry, const char* name, const char* command,
                          bool present) {
  RegKey key = 0;
  const RegResult created =
      registry.CreateKey(RegRoot::CurrentUser, keys::kRun, kWriteExisting, &key);
  if (created != reg::kSuccess) return created;
  if (present) {
    // The stored size includes the terminating zero, as REG_SZ requires, so
    // every reader gets a terminated string.
    registry.SetValue(key, name, reg::kTypeSz, command,
                      static_cast<uint32_t>(std::strlen(command) + 1));
  } else {
    registry.DeleteValue(key, name);
  }
  return registry.CloseKey(key);
}

}  // namespace tavel
