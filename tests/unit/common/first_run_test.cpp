#include "common/first_run.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/capabilities.h"
#include "tests/fakes/fake_device_io.h"
#include "tests/fakes/fake_library_loader.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_system_info.h"

namespace tavel {
namespace {

using fake::FakeRegistry;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr RegRoot HKLM = RegRoot::LocalMachine;
const std::string kRoot = "Software\\Norvik\\Tavel\\DataV1_1";
constexpr char kSeed[] = "Software\\Norvik\\Tavel\\Data";

class FirstRunTest : public ::testing::Test {
 protected:
  bool Run() {
    return InitializeDefaultSettings(
        registry, system,
        [this] {
          ++builds;
          return FirstRunExtKbMap(answers);
        },
        {vrKbMap, vrKbBrwMap, extKbMap, symbMap, extKbSettings});
  }
  std::optional<uint32_t> Dword(const std::string& sub, const char* name) {
    return registry.GetDword(HKCU, sub.empty() ? kRoot : kRoot + "\\" + sub, name);
  }
  template <typename Record>
  bool StoredAs(const std::string& sub, const char* name, const Record& record) {
    const auto v = registry.Get(HKCU, kRoot + "\\" + sub, name);
    return v && v->type == reg::kTypeBinary && v->bytes.size() == sizeof record &&
           std::memcmp(v->bytes.data(), &record, sizeof record) == 0;
  }

  FakeRegistry registry;
  fake::FakeSystemInfo system;
  CapabilityAnswers answers;
  int builds = 0;
  VrKbMap vrKbMap{{{9, 9}, {9, 9}}};
  VrKbBrwMap vrKbBrwMap{{{9, 9}}};
  ExtKbMap extKbMap{};
  SymbMap symbMap{};
  ExtKbSettings extKbSettings{9, 9, 9, 9, 9};
};

TEST_F(FirstRunTest, NewUserWithoutSeedGetsTheDefaults) {
  system.lcid = 1033;
  ASSERT_TRUE(Run());
  EXPECT_EQ(Dword("", "TVKStatus"), 0u);
  EXPECT_EQ(Dword("VrKb", "VrKbLangId"), 29u);
  EXPECT_EQ(Dword("VrKb", "VrKbAsgnsStatus"), 0u);
  EXPECT_EQ(Dword("VrKb", "VrKbBrwAsgnsStatus"), 1u);
  EXPECT_EQ(Dword("ExtKb", "ExtKbAsgnsStatus"), 0u);
  EXPECT_EQ(Dword("ExtKb", "ExtKbAsgnsAutoStatus"), 1u);
  EXPECT_EQ(Dword("ExtKb", "USBKbPresent"), 0u);
  EXPECT_EQ(Dword("ExtKb", "Docked"), 0u);
  EXPECT_EQ(Dword("ExtKb", "MorrowUSBKbPresent"), 0u);
  EXPECT_EQ(Dword("KeySens", "KeySensAsgnsStatus"), 1u);
  EXPECT_EQ(Dword("Symb", "SymbAsgnsStatus"), 1u);
  EXPECT_TRUE(StoredAs("VrKb", "Mapdata", DefaultVrKbMap()));
  EXPECT_TRUE(StoredAs("VrKb", "MapdataBrw", DefaultVrKbBrwMap()));
  EXPECT_TRUE(StoredAs("ExtKb", "Mapdata", FirstRunExtKbMap({})));
  EXPECT_TRUE(StoredAs("KeySens", "Mapdata", DefaultKeySensMap()));
  EXPECT_TRUE(StoredAs("Symb", "Mapdata", DefaultSymbMap()));
  EXPECT_EQ(registry.openHandles(), 0u);
}

TEST_F(FirstRunTest, InMemoryCopiesGetTheWrittenRecordsAndExternalSettings) {
  answers.driverF7 = true;
  ASSERT_TRUE(Run());
  EXPECT_EQ(std::memcmp(&vrKbMap, &(const VrKbMap&)DefaultVrKbMap(), sizeof vrKbMap), 0);
  EXPECT_EQ(vrKbBrwMap.entries[0].firstKey, 0u);
  EXPECT_EQ(extKbMap.entries[9].secondKey, 0x76u);
  EXPECT_TRUE(StoredAs("ExtKb", "Mapdata", extKbMap));
  EXPECT_EQ(symbMap.entries[3].characterChoice, 4u);
  EXPECT_EQ(extKbSettings.autoStatus, 1u);
  EXPECT_EQ(extKbSettings.status, 0u);
  EXPECT_EQ(extKbSettings.docked, 0u);
}

TEST_F(FirstRunTest, MachineWideSeedOverridesStartValuesButNotTheLayout) {
  registry.PutDword(HKLM, kSeed, "ExtKbAsgnsStatus", 1);
  registry.PutDword(HKLM, kSeed, "VrKbAsgnsStatus", 1);
  registry.PutDword(HKLM, kSeed, "SymbAsgnsStatus", 0);
  registry.PutDword(HKLM, kSeed, "Docked", 1);
  registry.PutDword(HKLM, kSeed, "TVKStatus", 1);
  registry.PutDword(HKLM, kSeed, "VrKbLangId", 8);
  registry.PutDword(HKLM, kSeed, "ExtKbAsgnsAutoStatus", 0);  // not a seed value
  system.lcid = 1036;
  ASSERT_TRUE(Run());
  EXPECT_EQ(Dword("ExtKb", "ExtKbAsgnsStatus"), 1u);
  EXPECT_EQ(extKbSettings.status, 1u);
  EXPECT_EQ(Dword("VrKb", "VrKbAsgnsStatus"), 1u);
  EXPECT_EQ(Dword("Symb", "SymbAsgnsStatus"), 0u);
  EXPECT_EQ(Dword("ExtKb", "Docked"), 1u);
  EXPECT_EQ(Dword("", "TVKStatus"), 1u);
  EXPECT_EQ(Dword("VrKb", "VrKbLangId"), 7u) << "French from the locale";
  EXPECT_EQ(Dword("ExtKb", "ExtKbAsgnsAutoStatus"), 1u);
  EXPECT_EQ(Dword("KeySens", "KeySensAsgnsStatus"), 1u) << "missing seed value: start value";
}

TEST_F(FirstRunTest, ExistingSettingsAreLeftAloneAndNothingIsAsked) {
  registry.PutDword(HKCU, kRoot + "\\VrKb", "VrKbAsgnsStatus", 1);
  EXPECT_FALSE(Run());
  EXPECT_EQ(builds, 0);
  EXPECT_EQ(registry.valueWrites(), 0u);
  EXPECT_EQ(vrKbMap.entries[0].physicalKey, 9u);
  EXPECT_EQ(registry.opens().size(), 1u);
  EXPECT_EQ(registry.opens()[0].access, reg::kKeyRead);
}

TEST_F(FirstRunTest, DeniedRootWritesNothingSoTheNextRunStartsAfresh) {
  registry.DenyCreate(HKCU, kRoot);
  EXPECT_FALSE(Run());
  EXPECT_EQ(registry.valueWrites(), 0u);
  EXPECT_FALSE(registry.HasKey(HKCU, kRoot + "\\VrKb"));
  EXPECT_EQ(vrKbMap.entries[0].physicalKey, 9u);
}

TEST(CapabilityGatheringTest, NoDriverNoLibraryLeavesOnlyOstraAndVelmora) {
  FakeRegistry registry;
  fake::FakeDeviceIo io;
  io.presentName.clear();
  fake::FakeSystemInfo system;
  fake::FakeLibraryLoader loader;
  registry.PutString(HKLM, "SOFTWARE\\Norvik\\OSTRA", "Version", "4.0");
  const CapabilityAnswers first = GatherFirstRunCapabilities(io, registry);
  EXPECT_TRUE(first.ostraVersion4);
  EXPECT_FALSE(first.driverF1 || first.driverF5 || first.driverF7 || first.driverF9);
  const ExtKbMap map = FirstRunExtKbMap(first);
  EXPECT_EQ(map.entries[3].secondKey, 0x70u);
  for (int row : {6, 7, 9}) EXPECT_EQ(map.entries[row].firstKey, 0u);

  const CapabilityAnswers reset = GatherResetCapabilities(io, registry, system, loader);
  EXPECT_TRUE(reset.ostraVersion4);
  EXPECT_FALSE(reset.fnFx5Available || reset.fnFx9Available || reset.driverF7);
}

}  // namespace
}  // namespace tavel
