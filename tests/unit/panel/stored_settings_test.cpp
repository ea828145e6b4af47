#include "panel/core/stored_settings.h"

#include <gtest/gtest.h>

#include "common/registry_layout.h"
#include "panel/core/enable_switch.h"
#include "panel/core/settings_loading.h"
#include "tests/fakes/fake_registry.h"

namespace tavel::panel {
namespace {

constexpr RegRoot HKCU = RegRoot::CurrentUser;

// A status this program could not read must mean what it means to the hook
// library: otherwise the first Apply writes the program's idea of it.
TEST(SettingsLoading, MissingSubkeysLeaveTheDefaultsTheHookLibraryLoads) {
  fake::FakeRegistry registry;
  registry.AddKey(HKCU, keys::kDataRoot);  // the settings exist, their subkeys do not
  PanelSettings settings;
  LoadPanelSettings(registry, settings);
  EXPECT_EQ(settings.vrKbAsgnsStatus, 0u);
  EXPECT_EQ(settings.vrKbBrwAsgnsStatus, 1u);
  EXPECT_EQ(settings.keySensAsgnsStatus, 1u);
  EXPECT_EQ(settings.symbAsgnsStatus, 1u);
  EXPECT_EQ(settings.extKb.status, 0u);
  EXPECT_EQ(settings.extKb.autoStatus, 1u);
}

class StoredSettingsTest : public testing::Test {
 protected:
  // What the registry holds, as the program would load it.
  StoredSettings Load() {
    asStored = LoadPanelSettings(registry, settings);
    return StoredSettings(registry, asStored);
  }
  fake::RegValue Value(const char* key, const char* name) const {
    return *registry.Get(HKCU, key, name);
  }

  fake::FakeRegistry registry;
  PanelSettings settings;
  PanelSettings asStored;
};

TEST_F(StoredSettingsTest, ValuesNobodyChangedKeepTheirStoredBytes) {
  const std::vector<uint8_t> text = {'o', 'n', 'e', '!', '!', 0};
  registry.Put(HKCU, keys::kVrKb, values::kVrKbBrwStatus, reg::kTypeSz, text);
  registry.Put(HKCU, keys::kVrKb, values::kMapdata, reg::kTypeBinary, std::vector<uint8_t>(70000, 7));
  registry.Put(HKCU, keys::kExtKb, values::kExtKbAutoStatus, reg::kTypeBinary, {5});
  registry.PutDword(HKCU, keys::kKeySens, values::kKeySensStatus, 7);
  registry.PutDword(HKCU, keys::kSymb, values::kSymbStatus, 0xFFFFFFFF);
  StoredSettings stored = Load();
  const size_t writesBefore = registry.valueWrites();

  stored.WriteLayout(settings);
  stored.WriteVrKbStatuses(settings);
  stored.WriteVrKbMaps(settings);
  EXPECT_EQ(stored.WriteExtKbSettings(settings, kExtKbMaskAll), 0u);
  EXPECT_FALSE(stored.WriteExtKbMap(settings));
  EXPECT_FALSE(stored.WriteKeySensStatus(settings));
  EXPECT_FALSE(stored.WriteKeySensMap(settings));
  EXPECT_FALSE(stored.WriteSymbStatus(settings));
  EXPECT_FALSE(stored.WriteSymbMap(settings));
  EXPECT_EQ(registry.valueWrites(), writesBefore);
  EXPECT_EQ(Value(keys::kVrKb, values::kVrKbBrwStatus).bytes, text);
  EXPECT_EQ(Value(keys::kVrKb, values::kMapdata).bytes.size(), 70000u);
}

TEST_F(StoredSettingsTest, AChangedValueIsWrittenOnceAndItsNeighboursStayAsStored) {
  registry.Put(HKCU, keys::kExtKb, values::kExtKbStatus, reg::kTypeSz, {'x', 'y', 'z', 'w', 'v', 0});
  registry.PutDword(HKCU, keys::kExtKb, values::kExtKbAutoStatus, 1);
  StoredSettings stored = Load();

  settings.extKb.autoStatus = 0;
  settings.extKb.usbKbPresent = 1;  // never this program's to write
  EXPECT_EQ(stored.WriteExtKbSettings(settings, kExtKbMaskStatus | kExtKbMaskAutoStatus),
            uint32_t{kExtKbMaskAutoStatus});
  EXPECT_EQ(registry.GetDword(HKCU, keys::kExtKb, values::kExtKbAutoStatus), 0u);
  EXPECT_EQ(Value(keys::kExtKb, values::kExtKbStatus).type, reg::kTypeSz);
  EXPECT_EQ(stored.WriteExtKbSettings(settings, kExtKbMaskAll & ~kExtKbMaskUsbKbPresent), 0u);

  settings.keySensMap.entries[2] = {vk::Tab, 400};
  EXPECT_TRUE(stored.WriteKeySensMap(settings));
  EXPECT_FALSE(stored.WriteKeySensMap(settings)) << "written already";
}

// A key test that ended with its program left 2; the program works with 1
// and its first Apply stores it.
TEST_F(StoredSettingsTest, AKeyTestLeftOverIsWrittenBackAsOn) {
  registry.PutDword(HKCU, keys::kKeySens, values::kKeySensStatus, kKeySensKeyTestRunning);
  StoredSettings stored = Load();
  EXPECT_EQ(asStored.keySensAsgnsStatus, kKeySensKeyTestRunning);
  EXPECT_TRUE(stored.WriteKeySensStatus(settings));
  EXPECT_EQ(registry.GetDword(HKCU, keys::kKeySens, values::kKeySensStatus), kKeySensOn);
}

TEST(EnableSwitch, AnUntouchedBoxGivesBackWhatWasStored) {
  struct Case {
    uint32_t stored;
    CheckRule rule;
    bool shown;
  } cases[] = {{0, CheckRule::NonZero, false},   {1, CheckRule::NonZero, true},
               {2, CheckRule::NonZero, true},    {0xFFFFFFFF, CheckRule::NonZero, true},
               {0, CheckRule::ExactlyOne, false}, {1, CheckRule::ExactlyOne, true},
               {2, CheckRule::ExactlyOne, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(ShownChecked(c.stored, c.rule), c.shown);
    EXPECT_EQ(StatusOfCheck(c.shown, c.stored, c.rule), c.stored);
    EXPECT_EQ(StatusOfCheck(!c.shown, c.stored, c.rule), c.shown ? 0u : 1u);
  }
}

}  // namespace
}  // namespace tavel::panel
