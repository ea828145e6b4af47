#include "hook/exports.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/fakes/fake_registry.h"

namespace tavel {
namespace {

using fake::FakeRegistry;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr char kRoot[] = "Software\\Norvik\\Tavel\\DataV1_1\\";

std::string KeyPath(const char* subkey) { return std::string(kRoot) + subkey; }

template <class Record>
std::vector<uint8_t> BytesOf(const Record& record) {
  std::vector<uint8_t> bytes(sizeof(record));
  std::memcpy(bytes.data(), &record, sizeof(record));
  return bytes;
}

// A record whose every word is `base` plus its index, so misplaced words show.
template <class Record>
Record Pattern(uint32_t base) {
  Record record;
  auto* words = reinterpret_cast<uint32_t*>(&record);
  for (size_t i = 0; i < sizeof(record) / 4; ++i) words[i] = base + static_cast<uint32_t>(i);
  return record;
}

class ExportsTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.openHandles(), 0u) << "a key was left open"; }
  FakeRegistry registry;
  SharedHookState state = InitialSharedHookState();
};

// The operations of one record, with the shared field and registry value
// they must use.
template <class Record>
struct RecordItem {
  const char* subkey;
  const char* valueName;
  Record SharedHookState::*field;
  RegResult (*load)(Registry&, SharedHookState&);
  Record* (*get)(const SharedHookState&, Record*);
  RegResult (*set)(Registry&, SharedHookState&, const Record*);
};

template <class Record>
void CheckRecordItem(const RecordItem<Record>& item) {
  SCOPED_TRACE(std::string(item.subkey) + " " + item.valueName);
  FakeRegistry registry;
  SharedHookState state = InitialSharedHookState();
  const std::string path = KeyPath(item.subkey);

  // Set: the shared copy and the registry value both get the record; a
  // missing key is created.
  const Record first = Pattern<Record>(0x100);
  EXPECT_EQ(item.set(registry, state, &first), reg::kSuccess);
  EXPECT_EQ(BytesOf(state.*item.field), BytesOf(first));
  auto stored = registry.Get(HKCU, path, item.valueName);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->type, reg::kTypeBinary);
  EXPECT_EQ(stored->bytes, BytesOf(first));

  // Get copies the shared record out and returns the caller's pointer.
  Record out = Pattern<Record>(0);
  EXPECT_EQ(item.get(state, &out), &out);
  EXPECT_EQ(BytesOf(out), BytesOf(first));
  EXPECT_EQ(item.get(state, nullptr), nullptr);

  // Load of a short value replaces only the bytes it has.
  registry.Put(HKCU, path, item.valueName, reg::kTypeBinary, {1, 0, 0, 0, 2, 0, 0, 0});
  EXPECT_EQ(item.load(registry, state), reg::kSuccess);
  Record expected = first;
  reinterpret_cast<uint32_t*>(&expected)[0] = 1;
  reinterpret_cast<uint32_t*>(&expected)[1] = 2;
  EXPECT_EQ(BytesOf(state.*item.field), BytesOf(expected));

  // Load without the key: error code, shared record untouched.
  registry.DeleteKey(HKCU, path);
  EXPECT_EQ(item.load(registry, state), reg::kFileNotFound);
  EXPECT_EQ(BytesOf(state.*item.field), BytesOf(expected));

  // Set without a record: nothing stored, nothing written.
  EXPECT_EQ(item.set(registry, state, nullptr), kInvalidParameter);
  EXPECT_EQ(BytesOf(state.*item.field), BytesOf(expected));
  EXPECT_FALSE(registry.HasKey(HKCU, path));
  EXPECT_EQ(registry.openHandles(), 0u);
}

TEST(ExportsRecordTest, EachRecordUsesItsOwnSharedFieldAndRegistryValue) {
  CheckRecordItem<VrKbMap>({"VrKb", "Mapdata", &SharedHookState::vrKbMap, LoadVrKbMap,
                            GetVrKbMap, SetVrKbMap});
  CheckRecordItem<VrKbBrwMap>({"VrKb", "MapdataBrw", &SharedHookState::vrKbBrwMap,
                               LoadVrKbBrwMap, GetVrKbBrwMap, SetVrKbBrwMap});
  CheckRecordItem<ExtKbMap>({"ExtKb", "Mapdata", &SharedHookState::extKbMap, LoadExtKbMap,
                             GetExtKbMap, SetExtKbMap});
  CheckRecordItem<KeySensMap>({"KeySens", "Mapdata", &SharedHookState::keySensMap,
                               LoadKeySensMap, GetKeySensMap, SetKeySensMap});
  CheckRecordItem<SymbMap>({"Symb", "Mapdata", &SharedHookState::symbMap, LoadSymbMap,
                            GetSymbMap, SetSymbMap});
}

struct StatusItem {
  const char* subkey;
  const char* valueName;
  uint32_t defaultValue;
  uint32_t SharedHookState::*field;
  RegResult (*load)(Registry&, SharedHookState&);
  RegResult (*set)(Registry&, SharedHookState&, uint32_t);
};

const StatusItem kStatusItems[] = {
    {"VrKb", "VrKbAsgnsStatus", 0, &SharedHookState::vrKbStatus, LoadVrKbStatus, SetVrKbStatus},
    {"VrKb", "VrKbBrwAsgnsStatus", 1, &SharedHookState::vrKbBrwStatus, LoadVrKbBrwStatus,
     SetVrKbBrwStatus},
    {"KeySens", "KeySensAsgnsStatus", 1, &SharedHookState::keySensStatus, LoadKeySensStatus,
     SetKeySensStatus},
    {"Symb", "SymbAsgnsStatus", 1, &SharedHookState::symbStatus, LoadSymbStatus, SetSymbStatus},
};

TEST_F(ExportsTest, StatusLoadAndSetUseTheirOwnFieldValueAndDefault) {
  for (const StatusItem& item : kStatusItems) {
    SCOPED_TRACE(item.valueName);
    const std::string path = KeyPath(item.subkey);
    registry.AddKey(HKCU, path);

    EXPECT_EQ(item.set(registry, state, 5), reg::kSuccess);
    EXPECT_EQ(state.*item.field, 5u);
    EXPECT_EQ(registry.GetDword(HKCU, path, item.valueName), 5u);

    registry.PutDword(HKCU, path, item.valueName, 9);
    EXPECT_EQ(item.load(registry, state), reg::kSuccess);
    EXPECT_EQ(state.*item.field, 9u);

    // The key exists but the value does not: the default applies.
    registry.DeleteKey(HKCU, path);
    registry.AddKey(HKCU, path);
    EXPECT_EQ(item.load(registry, state), reg::kSuccess);
    EXPECT_EQ(state.*item.field, item.defaultValue);

    // No key: the load fails and leaves the field alone.
    registry.DeleteKey(HKCU, path);
    state.*item.field = 7;
    EXPECT_EQ(item.load(registry, state), reg::kFileNotFound);
    EXPECT_EQ(state.*item.field, 7u);
  }
}

// The running hook must use a new status even when the registry cannot take
// it; the write neither creates the missing key nor reports success.
TEST_F(ExportsTest, StatusSetWithoutKeyStillReachesTheHookAndReportsTheOpenError) {
  for (const StatusItem& item : kStatusItems) {
    SCOPED_TRACE(item.valueName);
    EXPECT_EQ(item.set(registry, state, 2), reg::kFileNotFound);
    EXPECT_EQ(state.*item.field, 2u);
    EXPECT_FALSE(registry.HasKey(HKCU, KeyPath(item.subkey)));
  }
}

constexpr ExtKbSettings kShared{11, 12, 13, 14, 15};
constexpr ExtKbSettings kOther{21, 22, 23, 24, 25};

TEST_F(ExportsTest, GetExtKbSettingsFillsInOnlyTheMaskedValues) {
  state.extKbSettings = kShared;
  struct Case {
    uint32_t mask;
    ExtKbSettings expected;
  } cases[] = {
      {0, kOther},
      {kExtKbMaskAutoStatus | kExtKbMaskUsbKbPresent, {21, 12, 13, 24, 25}},
      {kExtKbMaskStatus | kExtKbMaskMorrowUsbKbPresent, {11, 22, 23, 24, 15}},
      {kExtKbMaskAll, kShared},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    ExtKbSettingsRequest request{c.mask, kOther};
    EXPECT_EQ(GetExtKbSettings(state, &request), &request);
    EXPECT_EQ(request.mask, c.mask);
    EXPECT_EQ(BytesOf(request.values), BytesOf(c.expected));
  }
  EXPECT_EQ(GetExtKbSettings(state, nullptr), nullptr);
}

TEST_F(ExportsTest, SetExtKbSettingsStoresAndWritesOnlyTheMaskedValues) {
  const std::string path = KeyPath("ExtKb");
  const char* names[] = {"ExtKbAsgnsStatus", "ExtKbAsgnsAutoStatus", "USBKbPresent", "Docked",
                         "MorrowUSBKbPresent"};
  registry.AddKey(HKCU, path);
  state.extKbSettings = kShared;

  EXPECT_EQ(SetExtKbSettings(registry, state,
                             {kExtKbMaskAutoStatus | kExtKbMaskUsbKbPresent, kOther}),
            reg::kSuccess);
  EXPECT_EQ(BytesOf(state.extKbSettings), BytesOf(ExtKbSettings{11, 22, 23, 14, 15}));
  for (const char* name : names) {
    bool written = std::string(name) == "ExtKbAsgnsAutoStatus" || std::string(name) == "USBKbPresent";
    SCOPED_TRACE(name);
    EXPECT_EQ(registry.Get(HKCU, path, name).has_value(), written);
  }
  EXPECT_EQ(registry.GetDword(HKCU, path, "ExtKbAsgnsAutoStatus"), 22u);
  EXPECT_EQ(registry.GetDword(HKCU, path, "USBKbPresent"), 23u);

  size_t writes = registry.valueWrites();
  EXPECT_EQ(SetExtKbSettings(registry, state, {0, kOther}), reg::kSuccess);
  EXPECT_EQ(BytesOf(state.extKbSettings), BytesOf(ExtKbSettings{11, 22, 23, 14, 15}));
  EXPECT_EQ(registry.valueWrites(), writes);
}

TEST_F(ExportsTest, LoadExtKbSettingsReadsAllFiveWithTheirDefaults) {
  const std::string path = KeyPath("ExtKb");
  state.extKbSettings = kShared;
  EXPECT_EQ(LoadExtKbSettings(registry, state), reg::kFileNotFound);
  EXPECT_EQ(BytesOf(state.extKbSettings), BytesOf(kShared));

  registry.AddKey(HKCU, path);
  registry.PutDword(HKCU, path, "ExtKbAsgnsStatus", 1);
  registry.PutDword(HKCU, path, "Docked", 1);
  EXPECT_EQ(LoadExtKbSettings(registry, state), reg::kSuccess);
  // Missing: auto status 1, USB keyboard 0, Morrow keyboard 0.
  EXPECT_EQ(BytesOf(state.extKbSettings), BytesOf(ExtKbSettings{1, 1, 0, 1, 0}));
}

}  // namespace
}  // namespace tavel
