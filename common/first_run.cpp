#include "common/first_run.h"

#include "common/registry_access.h"
#include "common/registry_layout.h"
#include "common/settings_store.h"

namespace tavel {

namespace {

// A machine-wide seed value, read into the matching start value.
struct SeedValue {
  const char* name;
  uint32_t DefaultStatusValues::*field;
};

// In the order the seed is read. The seed's layout value is not used: the
// layout follows the system locale.
constexpr SeedValue kSeedValues[] = {
    {values::kVrKbStatus, &DefaultStatusValues::vrKbStatus},
    {values::kExtKbStatus, &DefaultStatusValues::extKbStatus},
    {values::kKeySensStatus, &DefaultStatusValues::keySensStatus},
    {values::kSymbStatus, &DefaultStatusValues::symbStatus},
    {values::kVrKbBrwStatus, &DefaultStatusValues::vrKbBrwStatus},
    {values::kDocked, &DefaultStatusValues::docked},
    {values::kUsbKbPresent, &DefaultStatusValues::usbKbPresent},
    {values::kMorrowUsbKbPresent, &DefaultStatusValues::morrowUsbKbPresent},
    {values::kTvkStatus, &DefaultStatusValues::tvkStatus},
};

DefaultStatusValues SeededStatusValues(Registry& registry) {
  DefaultStatusValues start;
  RegKey key = 0;
  if (registry.OpenKey(RegRoot::LocalMachine, keys::kMachineData, reg::kKeyRead, &key) !=
      reg::kSuccess) {
    return start;
  }
  for (const SeedValue& seed : kSeedValues) {
    QueryDword(registry, key, seed.name, start.*seed.field);
  }
  registry.CloseKey(key);
  return start;
}

struct DwordValue {
  const char* name;
  uint32_t value;
};

// Creates `subkey` and sets the given REG_DWORD values; false when the key
// cannot be created.
template <size_t N>
bool CreateWithValues(Registry& registry, const char* subkey, const DwordValue (&entries)[N]) {
  RegKey key = 0;
  if (registry.CreateKey(RegRoot::CurrentUser, subkey, reg::kKeyAllAccess, &key) !=
      reg::kSuccess) {
    return false;
  }
  for (const DwordValue& entry : entries) {
    SetDword(registry, key, entry.name, entry.value);
  }
  registry.CloseKey(key);
  return true;
}

}  // namespace

std::vector<std::string_view> MachineSeedValueNames() {
  std::vector<std::string_view> names;
  for (const SeedValue& seed : kSeedValues) names.push_back(seed.name);
  return names;
}

uint32_t LayoutIdFromSystemLocale(SystemInfo& system) {
  return LayoutIdFromLcid(system.SystemDefaultLcid());
}

bool InitializeDefaultSettings(Registry& registry, SystemInfo& system,
                               const ExtKbMapBuilder& buildExtKbMap, InMemorySettings memory) {
  if (KeyExists(registry, RegRoot::CurrentUser, keys::kDataRoot, reg::kKeyRead)) return false;
  const DefaultStatusValues start = SeededStatusValues(registry);

  // Without the root nothing else is written: the next run tries again from
  // the start instead of leaving a half-written set behind a root that
  // stops any retry.
  if (!CreateWithValues(registry, keys::kDataRoot, {{values::kTvkStatus, start.tvkStatus}})) {
    return false;
  }

  CreateWithValues(registry, keys::kVrKb,
                   {{values::kVrKbLangId, LayoutIdFromSystemLocale(system)},
                    {values::kVrKbStatus, start.vrKbStatus},
                    {values::kVrKbBrwStatus, start.vrKbBrwStatus}});
  memory.vrKbMap = DefaultVrKbMap();
  WriteRecord(registry, memory.vrKbMap);
  memory.vrKbBrwMap = DefaultVrKbBrwMap();
  WriteRecord(registry, memory.vrKbBrwMap);

  CreateWithValues(registry, keys::kExtKb,
                   {{values::kExtKbStatus, start.extKbStatus},
                    {values::kExtKbAutoStatus, start.extKbAutoStatus},
                    {values::kUsbKbPresent, start.usbKbPresent},
                    {values::kDocked, start.docked},
                    {values::kMorrowUsbKbPresent, start.morrowUsbKbPresent}});
  memory.extKbSettings = {start.extKbStatus, start.extKbAutoStatus, start.usbKbPresent,
                          start.docked, start.morrowUsbKbPresent};
  memory.extKbMap = buildExtKbMap();
  WriteRecord(registry, memory.extKbMap);

  CreateWithValues(registry, keys::kKeySens, {{values::kKeySensStatus, start.keySensStatus}});
  WriteRecord(registry, DefaultKeySensMap());

  CreateWithValues(registry, keys::kSymb, {{values::kSymbStatus, start.symbStatus}});
  memory.symbMap = DefaultSymbMap();
  WriteRecord(registry, memory.symbMap);
  return true;
}

}  // namespace tavel
