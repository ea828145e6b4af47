#include "common/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/fakes/fake_registry.h"

namespace tavel {
namespace {

using fake::FakeRegistry;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr char kExtKb[] = "Software\\Norvik\\Tavel\\DataV1_1\\ExtKb";
constexpr char kVrKb[] = "Software\\Norvik\\Tavel\\DataV1_1\\VrKb";
constexpr char kSymb[] = "Software\\Norvik\\Tavel\\DataV1_1\\Symb";

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
  std::vector<uint8_t> bytes(words.size() * 4);
  std::memcpy(bytes.data(), std::data(words), bytes.size());
  return bytes;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.openHandles(), 0u) << "a key was left open"; }
  FakeRegistry registry;
};

// How much of a stored binary value reaches the 80-byte record.
TEST_F(SettingsStoreTest, RecordReadDeliversAtMostTheRecordAndKeepsTheRest) {
  struct Case {
    const char* what;
    size_t storedBytes;  // 0 = no value at all
    size_t expectedNewBytes;
  } cases[] = {
      {"missing value", 0, 0},
      {"16 bytes: rows 0 and 1 only", 16, 16},
      {"6 bytes: half a word keeps its other half", 6, 6},
      {"exactly the record", 80, 80},
      {"longer than the record: its first 80 bytes", 120, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry.DeleteKey(HKCU, kExtKb);
    registry.AddKey(HKCU, kExtKb);
    if (c.storedBytes) {
      std::vector<uint8_t> bytes(c.storedBytes);
      for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i + 1);
      registry.Put(HKCU, kExtKb, "Mapdata", reg::kTypeBinary, bytes);
    }
    ExtKbMap map;
    std::memset(&map, 0xEE, sizeof map);
    EXPECT_EQ(ReadRecord(registry, map), reg::kSuccess);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&map);
    for (size_t i = 0; i < sizeof map; ++i) {
      EXPECT_EQ(bytes[i], i < c.expectedNewBytes ? i + 1 : 0xEE) << "byte " << i;
    }
  }
}

TEST_F(SettingsStoreTest, RecordReadOfMissingKeyReturnsOpenErrorAndTouchesNothing) {
  VrKbMap map{{{1, 2}, {3, 4}}};
  EXPECT_EQ(ReadRecord(registry, map), reg::kFileNotFound);
  EXPECT_EQ(map.entries[1].emulatedKey, 4u);
  EXPECT_FALSE(registry.HasKey(HKCU, kVrKb)) << "a read must not create the key";
}

TEST_F(SettingsStoreTest, RecordWriteCreatesMissingKeyAndStoresWholeRecordAsBinary) {
  VrKbBrwMap map{{{0xA3, 0x26}, {0xA3, 0x28}, {0xA3, 0x25}}};
  EXPECT_EQ(WriteRecord(registry, map), reg::kSuccess);
  const auto stored = registry.Get(HKCU, kVrKb, "MapdataBrw");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, reg::kTypeBinary);
  EXPECT_EQ(stored->bytes, Words({0xA3, 0x26, 0xA3, 0x28, 0xA3, 0x25}));
  EXPECT_TRUE(registry.opens().back().create);
  EXPECT_EQ(registry.opens().back().access, reg::kKeyAllAccess);
}

TEST_F(SettingsStoreTest, StatusReadTakesValueOrDefaultButLeavesTargetWhenKeyMissing) {
  uint32_t symb = 7;
  EXPECT_EQ(ReadStatus(registry, status::kSymb, symb), reg::kFileNotFound);
  EXPECT_EQ(symb, 7u);

  registry.AddKey(HKCU, kSymb);
  EXPECT_EQ(ReadStatus(registry, status::kSymb, symb), reg::kSuccess);
  EXPECT_EQ(symb, 1u) << "key present, value missing: the default";

  registry.PutDword(HKCU, kSymb, "SymbAsgnsStatus", 0);
  EXPECT_EQ(ReadStatus(registry, status::kSymb, symb), reg::kSuccess);
  EXPECT_EQ(symb, 0u);
  EXPECT_EQ(registry.opens().back().access, reg::kKeyRead);
}

TEST_F(SettingsStoreTest, StatusReadOfOversizedValueKeepsTheDefault) {
  registry.Put(HKCU, kVrKb, "VrKbAsgnsStatus", reg::kTypeBinary, Words({5, 6}));
  uint32_t value = 9;
  ReadStatus(registry, status::kVrKb, value);
  EXPECT_EQ(value, 0u);
}

TEST_F(SettingsStoreTest, StatusWriteNeedsTheKeyWhileRecordWriteRecreatesIt) {
  EXPECT_EQ(WriteStatus(registry, status::kVrKb, 1), reg::kFileNotFound);
  EXPECT_FALSE(registry.HasKey(HKCU, kVrKb));
  EXPECT_FALSE(registry.opens().back().create);
  EXPECT_EQ(registry.opens().back().access,
            reg::kKeyRead | reg::kKeyCreateSubKey | reg::kKeySetValue);

  EXPECT_EQ(WriteRecord(registry, VrKbMap{}), reg::kSuccess);
  EXPECT_EQ(WriteStatus(registry, status::kVrKb, 1), reg::kSuccess);
  EXPECT_EQ(registry.GetDword(HKCU, kVrKb, "VrKbAsgnsStatus"), 1u);
}

TEST_F(SettingsStoreTest, TheLayoutIsSavedEvenWithoutItsKey) {
  EXPECT_EQ(WriteLayoutId(registry, 8), reg::kSuccess);
  EXPECT_EQ(registry.GetDword(HKCU, kVrKb, "VrKbLangId"), 8u);
}

TEST_F(SettingsStoreTest, ExtKbSettingsReadAppliesEachDefaultAndWriteOnlyMaskedValues) {
  registry.AddKey(HKCU, kExtKb);
  registry.PutDword(HKCU, kExtKb, "Docked", 1);
  ExtKbSettings read{9, 9, 9, 9, 9};
  EXPECT_EQ(ReadExtKbSettings(registry, read), reg::kSuccess);
  EXPECT_EQ(read.status, 0u);
  EXPECT_EQ(read.autoStatus, 1u);
  EXPECT_EQ(read.usbKbPresent, 0u);
  EXPECT_EQ(read.docked, 1u);
  EXPECT_EQ(read.morrowUsbKbPresent, 0u);

  const size_t writesBefore = registry.valueWrites();
  EXPECT_EQ(WriteExtKbSettings(registry, kExtKbMaskAutoStatus | kExtKbMaskUsbKbPresent,
                               ExtKbSettings{5, 0, 1, 5, 5}),
            reg::kSuccess);
  EXPECT_EQ(registry.valueWrites() - writesBefore, 2u);
  EXPECT_EQ(registry.GetDword(HKCU, kExtKb, "ExtKbAsgnsAutoStatus"), 0u);
  EXPECT_EQ(registry.GetDword(HKCU, kExtKb, "USBKbPresent"), 1u);
  EXPECT_FALSE(registry.GetDword(HKCU, kExtKb, "ExtKbAsgnsStatus"));
  EXPECT_EQ(registry.GetDword(HKCU, kExtKb, "Docked"), 1u);
}

TEST_F(SettingsStoreTest, OstraVersionTestReadsTheLeadingNumber) {
  constexpr char kOstra[] = "SOFTWARE\\Norvik\\OSTRA";
  struct Case {
    const char* version;  // nullptr = value missing
    bool passes;
  } cases[] = {{"4.0", true}, {"10", true},   {"4", true},     {" 4.2b", true},
               {"3.9", false}, {"", false},  {nullptr, false}, {"-5", false},
               {"v4", false},  {"39", true}, {"03.99", false}, {"4e0", true},
               {"0.4e1", true}, {"3.99999999999999999999", true}, {" 4.5abc", true},
               {"39e-1", false}, {"\t+4", true}, {"1e400", true}};
  EXPECT_FALSE(HasOstraVersion4(registry)) << "missing key";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version ? c.version : "(missing value)");
    registry.DeleteKey(HKLM, kOstra);
    registry.AddKey(HKLM, kOstra);
    if (c.version) registry.PutString(HKLM, kOstra, "Version", c.version);
    EXPECT_EQ(HasOstraVersion4(registry), c.passes);
  }
}

TEST_F(SettingsStoreTest, OstraVersionTooLongForTheBufferCountsAsNoVersion) {
  registry.PutString(HKLM, "SOFTWARE\\Norvik\\OSTRA", "Version", "5" + std::string(300, '0'));
  EXPECT_FALSE(HasOstraVersion4(registry));
}

TEST_F(SettingsStoreTest, MachineStringsAreTerminatedEvenWhenStoredWithoutZero) {
  std::vector<uint8_t> stored(260, 'x');
  stored[0] = 'C', stored[1] = ':', stored[2] = '\\';
  registry.Put(HKLM, "SOFTWARE\\Norvik\\Tavel\\Path", "", reg::kTypeSz, stored);
  std::string folder;
  EXPECT_TRUE(ReadInstallFolder(registry, folder));
  EXPECT_EQ(folder, "C:\\" + std::string(257, 'x'));
  registry.DeleteKey(HKLM, "SOFTWARE\\Norvik\\Tavel\\Path");
  EXPECT_FALSE(ReadInstallFolder(registry, folder));
  EXPECT_EQ(ReadTavelVersion(registry), "");
}

TEST_F(SettingsStoreTest, InstallFolderLosesItsClosingBackslashesAndMustBeComplete) {
  const struct {
    const char* stored;
    const char* folder;  // nullptr: not taken
  } cases[] = {{"C:\\Program Files\\Tavelkit", "C:\\Program Files\\Tavelkit"},
               {"C:\\Program Files\\Tavelkit\\", "C:\\Program Files\\Tavelkit"},
               {"D:\\Tools\\\\", "D:\\Tools"},
               {"C:\\", "C:"},
               {"\\\\server\\share\\Tavelkit", "\\\\server\\share\\Tavelkit"},
               {"", nullptr},
               {"Tavelkit", nullptr},
               {".\\", nullptr},
               {"\\Program Files\\Tavelkit", nullptr},
               {"C:Tavelkit", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    registry.PutString(HKLM, "SOFTWARE\\Norvik\\Tavel\\Path", "", c.stored);
    std::string folder = "unchanged";
    EXPECT_EQ(ReadInstallFolder(registry, folder), c.folder != nullptr);
    EXPECT_EQ(folder, c.folder ? c.folder : "unchanged");
  }
}

TEST_F(SettingsStoreTest, StartupEntryIsSetWithTerminatorTestedAndDeleted) {
  constexpr char kRun[] = "SOFTWARE\\MICROSOFT\\Windows\\CurrentVersion\\Run";
  EXPECT_FALSE(HasStartupEntry(registry, "TAVELMON"));
  EXPECT_EQ(SetStartupEntry(registry, "TAVELMON", "C:\\T\\Tavelmon.exe", true), reg::kSuccess);
  EXPECT_TRUE(HasStartupEntry(registry, "TAVELMON"));
  const auto stored = registry.Get(HKCU, kRun, "TAVELMON");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, reg::kTypeSz);
  EXPECT_EQ(std::string(stored->bytes.begin(), stored->bytes.end()),
            std::string("C:\\T\\Tavelmon.exe", 18));
  EXPECT_EQ(SetStartupEntry(registry, "TAVELMON", nullptr, false), reg::kSuccess);
  EXPECT_FALSE(HasStartupEntry(registry, "TAVELMON"));
}

TEST_F(SettingsStoreTest, MachineDwordsLeaveTheVariableWhenMissing) {
  uint32_t detected = 3;
  EXPECT_EQ(ReadUsbObiKbDetectStatus(registry, detected), reg::kFileNotFound);
  registry.AddKey(HKLM, "Software\\Norvik\\Tavel\\Data");
  EXPECT_EQ(ReadUsbObiKbDetectStatus(registry, detected), reg::kSuccess);
  EXPECT_EQ(detected, 3u);
  registry.PutDword(HKLM, "Software\\Norvik\\Tavel\\Data", "SvcMnApStatus", 1);
  uint32_t service = 0;
  ReadSvcMnApStatus(registry, service);
  EXPECT_EQ(service, 1u);
}

}  // namespace
}  // namespace tavel
