#include "hook/exports.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
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
};

// One record's Load, Get and Set, with the registry value it lives in.
template <class Record>
void CheckRecordOperations(const char* subkey, const char* valueName) {
  SCOPED_TRACE(std::string(subkey) + " " + valueName);
  FakeRegistry registry;
  const std::string path = KeyPath(subkey);
  Record shared = Pattern<Record>(0x900);

  // Set: the shared copy and the registry value both get the record; a
  // missing key is created.
  const Record first = Pattern<Record>(0x100);
  EXPECT_EQ(SetRecord(registry, shared, &first), reg::kSuccess);
  EXPECT_EQ(BytesOf(shared), BytesOf(first));
  auto stored = registry.Get(HKCU, path, valueName);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->bytes, BytesOf(first));

  // Get copies the shared record out and returns the caller's pointer.
  Record out = Pattern<Record>(0);
  EXPECT_EQ(GetRecord(shared, &out), &out);
  EXPECT_EQ(BytesOf(out), BytesOf(first));
  EXPECT_EQ(GetRecord(shared, static_cast<Record*>(nullptr)), nullptr);

  // Load of a short value replaces only the bytes it has.
  registry.Put(HKCU, path, valueName, reg::kTypeBinary, {1, 0, 0, 0, 2, 0, 0, 0});
  EXPECT_EQ(LoadRecord(registry, shared), reg::kSuccess);
  Record expected = first;
  reinterpret_cast<uint32_t*>(&expected)[0] = 1;
  reinterpret_cast<uint32_t*>(&expected)[1] = 2;
  EXPECT_EQ(BytesOf(shared), BytesOf(expected));

  // Load without the key: the open error, shared record untouched.
  registry.DeleteKey(HKCU, path);
  EXPECT_EQ(LoadRecord(registry, shared), reg::kFileNotFound);
  EXPECT_EQ(BytesOf(shared), BytesOf(expected));

  // Set without a record: nothing stored, nothing written.
  EXPECT_EQ(SetRecord(registry, shared, static_cast<const Record*>(nullptr)), kInvalidParameter);
  EXPECT_EQ(BytesOf(shared), BytesOf(expected));
  EXPECT_FALSE(registry.HasKey(HKCU, path));
  EXPECT_EQ(registry.openHandles(), 0u);
}

TEST(ExportsRecordTest, LoadGetSetOfEveryRecord) {
  CheckRecordOperations<VrKbMap>("VrKb", "Mapdata");
  CheckRecordOperations<VrKbBrwMap>("VrKb", "MapdataBrw");
  CheckRecordOperations<ExtKbMap>("ExtKb", "Mapdata");
  CheckRecordOperations<KeySensMap>("KeySens", "Mapdata");
  CheckRecordOperations<SymbMap>("Symb", "Mapdata");
}

TEST_F(ExportsTest, StatusLoadTellsAMissingValueFromAMissingKey) {
  const StatusValue* statuses[] = {&status::kVrKb, &status::kVrKbBrw, &status::kKeySens,
                                   &status::kSymb};
  for (const StatusValue* which : statuses) {
    SCOPED_TRACE(which->name);
    const std::string path = which->key;
    uint32_t shared = 7;

    // No key: the load fails with the open error and leaves the status.
    EXPECT_EQ(LoadStatus(registry, *which, shared), reg::kFileNotFound);
    EXPECT_EQ(shared, 7u);

    // The key without the value: the default applies.
    registry.AddKey(HKCU, path);
    EXPECT_EQ(LoadStatus(registry, *which, shared), reg::kSuccess);
    EXPECT_EQ(shared, which->defaultValue);

    registry.PutDword(HKCU, path, which->name, 9);
    EXPECT_EQ(LoadStatus(registry, *which, shared), reg::kSuccess);
    EXPECT_EQ(shared, 9u);
    registry.DeleteKey(HKCU, path);
  }
}

// The running hook must use a new status even when the registry cannot take
// it; the failed write neither creates the key nor reports success.
TEST_F(ExportsTest, StatusSetReachesTheHookEvenWhenTheKeyIsMissing) {
  const std::string path = KeyPath("KeySens");
  uint32_t shared = 1;
  EXPECT_EQ(SetStatus(registry, status::kKeySens, shared, 2), reg::kFileNotFound);
  EXPECT_EQ(shared, 2u);
  EXPECT_FALSE(registry.HasKey(HKCU, path));

  registry.AddKey(HKCU, path);
  EXPECT_EQ(SetStatus(registry, status::kKeySens, shared, 0), reg::kSuccess);
  EXPECT_EQ(shared, 0u);
  EXPECT_EQ(registry.GetDword(HKCU, path, "KeySensAsgnsStatus"), 0u);
}

constexpr ExtKbSettings kShared{11, 12, 13, 14, 15};
constexpr ExtKbSettings kOther{21, 22, 23, 24, 25};

TEST_F(ExportsTest, GetExtKbSettingsFillsInOnlyTheMaskedValues) {
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
    EXPECT_EQ(GetExtKbSettings(kShared, &request), &request);
    EXPECT_EQ(request.mask, c.mask);
    EXPECT_EQ(BytesOf(request.values), BytesOf(c.expected));
  }
  EXPECT_EQ(GetExtKbSettings(kShared, nullptr), nullptr);
}

TEST_F(ExportsTest, SetExtKbSettingsStoresAndWritesOnlyTheMaskedValues) {
  const std::string path = KeyPath("ExtKb");
  registry.AddKey(HKCU, path);
  ExtKbSettings shared = kShared;

  EXPECT_EQ(SetExtKbSettings(registry, shared,
                             {kExtKbMaskAutoStatus | kExtKbMaskUsbKbPresent, kOther}),
            reg::kSuccess);
  EXPECT_EQ(BytesOf(shared), BytesOf(ExtKbSettings{11, 22, 23, 14, 15}));
  EXPECT_EQ(registry.GetDword(HKCU, path, "ExtKbAsgnsAutoStatus"), 22u);
  EXPECT_EQ(registry.GetDword(HKCU, path, "USBKbPresent"), 23u);
  for (const char* unwritten : {"ExtKbAsgnsStatus", "Docked", "MorrowUSBKbPresent"}) {
    EXPECT_FALSE(registry.Get(HKCU, path, unwritten).has_value()) << unwritten;
  }

  size_t writes = registry.valueWrites();
  EXPECT_EQ(SetExtKbSettings(registry, shared, {0, kOther}), reg::kSuccess);
  EXPECT_EQ(BytesOf(shared), BytesOf(ExtKbSettings{11, 22, 23, 14, 15}));
  EXPECT_EQ(registry.valueWrites(), writes);
}

TEST_F(ExportsTest, LoadExtKbSettingsReadsAllFiveWithTheirDefaults) {
  const std::string path = KeyPath("ExtKb");
  ExtKbSettings shared = kShared;
  EXPECT_EQ(LoadExtKbSettings(registry, shared), reg::kFileNotFound);
  EXPECT_EQ(BytesOf(shared), BytesOf(kShared));

  registry.AddKey(HKCU, path);
  registry.PutDword(HKCU, path, "ExtKbAsgnsStatus", 1);
  registry.PutDword(HKCU, path, "Docked", 1);
  EXPECT_EQ(LoadExtKbSettings(registry, shared), reg::kSuccess);
  // Missing: auto status 1, USB keyboard 0, Morrow keyboard 0.
  EXPECT_EQ(BytesOf(shared), BytesOf(ExtKbSettings{1, 1, 0, 1, 0}));
}

}  // namespace
}  // namespace tavel
