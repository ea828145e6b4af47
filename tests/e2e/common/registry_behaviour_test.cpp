// What the registry fake of the unit tests assumes about Windows, checked
// against the real registry: short and long values, missing keys and values,
// access masks, the 64-bit view flag, and the settings store on top of it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/settings_store.h"
#include "platform/win32/registry_win32.h"

namespace tavel {
namespace {

constexpr char kScratch[] = "Software\\Norvik\\TavelRegistryProbe";
constexpr char kVrKb[] = "Software\\Norvik\\Tavel\\DataV1_1\\VrKb";

class RegistryBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Norvik\\Tavel");
    ASSERT_EQ(registry.CreateKey(RegRoot::CurrentUser, kScratch, reg::kKeyAllAccess, &key), 0);
  }
  void TearDown() override {
    registry.CloseKey(key);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Norvik\\Tavel");
  }
  void Put(const char* name, const void* data, uint32_t size) {
    ASSERT_EQ(registry.SetValue(key, name, reg::kTypeBinary, data, size), 0);
  }
  Win32Registry registry;
  RegKey key = 0;
};

TEST_F(RegistryBehaviourTest, ShortBufferGivesMoreDataWithSizeAndNoByteWritten) {
  const uint32_t stored[3] = {0x11111111, 0x22222222, 0x33333333};
  Put("v", stored, sizeof stored);
  uint32_t buffer[2] = {0xEEEEEEEE, 0xEEEEEEEE};
  uint32_t size = sizeof buffer;
  EXPECT_EQ(registry.QueryValue(key, "v", buffer, &size), reg::kMoreData);
  EXPECT_EQ(size, sizeof stored);
  EXPECT_EQ(buffer[0], 0xEEEEEEEEu);
  EXPECT_EQ(buffer[1], 0xEEEEEEEEu);
}

TEST_F(RegistryBehaviourTest, NoBufferAsksForTheSizeAndShorterValueFillsOnlyItsBytes) {
  const uint16_t stored = 0x1234;
  Put("v", &stored, sizeof stored);
  uint32_t size = 0;
  EXPECT_EQ(registry.QueryValue(key, "v", nullptr, &size), reg::kSuccess);
  EXPECT_EQ(size, 2u);
  uint32_t value = 0xEEEEEEEE;
  size = sizeof value;
  EXPECT_EQ(registry.QueryValue(key, "v", &value, &size), reg::kSuccess);
  EXPECT_EQ(value, 0xEEEE1234u);
}

TEST_F(RegistryBehaviourTest, MissingValueAndMissingKeyBothGiveFileNotFound) {
  uint32_t value = 0;
  uint32_t size = sizeof value;
  EXPECT_EQ(registry.QueryValue(key, "absent", &value, &size), reg::kFileNotFound);
  RegKey missing = 0;
  EXPECT_EQ(registry.OpenKey(RegRoot::CurrentUser, "Software\\Norvik\\TavelRegistryProbe\\no",
                             reg::kKeyRead, &missing),
            reg::kFileNotFound);
}

TEST_F(RegistryBehaviourTest, ReadOnlyHandleRefusesWritesAndCreateMakesParents) {
  RegKey readOnly = 0;
  ASSERT_EQ(registry.OpenKey(RegRoot::CurrentUser, kScratch, reg::kKeyRead, &readOnly), 0);
  const uint32_t one = 1;
  EXPECT_EQ(registry.SetValue(readOnly, "v", reg::kTypeDword, &one, 4), reg::kAccessDenied);
  registry.CloseKey(readOnly);

  RegKey deep = 0;
  ASSERT_EQ(registry.CreateKey(RegRoot::CurrentUser,
                               "Software\\Norvik\\TavelRegistryProbe\\a\\b\\c",
                               reg::kKeyAllAccess, &deep),
            0);
  registry.CloseKey(deep);
}

// The hot-key package key is read with KEY_WOW64_64KEY: that reaches the
// 64-bit view from a process of either width, while a plain open sees the
// process's own view, the separate 32-bit one (KEY_WOW64_32KEY) in a 32-bit
// process under WOW64.
TEST_F(RegistryBehaviourTest, SixtyFourBitViewFlagReachesThe64BitViewFromEitherWidth) {
  constexpr char kProbe[] = "Software\\Norvik\\TavelRegistryProbe";
  constexpr uint32_t kWow64_32Key = 0x0200;
  const auto writeView = [&](uint32_t viewFlag, const char* text) {
    RegKey view = 0;
    ASSERT_EQ(registry.CreateKey(RegRoot::LocalMachine, kProbe, reg::kKeyAllAccess | viewFlag,
                                 &view),
              0);
    registry.SetValue(view, "view", reg::kTypeSz, text, 3);
    registry.CloseKey(view);
  };
  const auto readView = [&](uint32_t viewFlag) {
    RegKey view = 0;
    char text[8] = {};
    uint32_t size = sizeof text - 1;
    if (registry.OpenKey(RegRoot::LocalMachine, kProbe, reg::kKeyRead | viewFlag, &view) == 0) {
      registry.QueryValue(view, "view", text, &size);
      registry.CloseKey(view);
    }
    return std::string(text);
  };
  writeView(reg::kKeyWow64_64Key, "64");
  writeView(kWow64_32Key, "32");

  EXPECT_EQ(readView(reg::kKeyWow64_64Key), "64");
  EXPECT_EQ(readView(0), sizeof(void*) == 4 ? "32" : "64");

  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kProbe, KEY_WOW64_64KEY, 0);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kProbe, KEY_WOW64_32KEY, 0);
}

TEST_F(RegistryBehaviourTest, StoreReadsTheLeadingBytesOfALongRecord) {
  uint32_t stored[30];
  for (uint32_t i = 0; i < 30; ++i) stored[i] = 0x100 + i;
  RegKey vrKb = 0;
  ASSERT_EQ(registry.CreateKey(RegRoot::CurrentUser, kVrKb, reg::kKeyAllAccess, &vrKb), 0);
  registry.SetValue(vrKb, "Mapdata", reg::kTypeBinary, stored, sizeof stored);
  registry.CloseKey(vrKb);
  VrKbMap map{};
  EXPECT_EQ(ReadRecord(registry, map), 0);
  EXPECT_EQ(std::memcmp(&map, stored, sizeof map), 0);
}

TEST_F(RegistryBehaviourTest, StatusWriteFailsOnMissingKeyWithoutCreatingIt) {
  EXPECT_EQ(WriteStatus(registry, status::kVrKb, 1), reg::kFileNotFound);
  RegKey vrKb = 0;
  EXPECT_EQ(registry.OpenKey(RegRoot::CurrentUser, kVrKb, reg::kKeyRead, &vrKb),
            reg::kFileNotFound);
}

}  // namespace
}  // namespace tavel
