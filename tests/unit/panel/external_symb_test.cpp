#include <gtest/gtest.h>

#include "common/maker_ids.h"
#include "platform/calling_convention.h"
#include "panel/pages/external_choices.h"
#include "panel/pages/symb_choices.h"
#include "panel/res/resource.h"
#include "tests/fakes/fake_device_io.h"
#include "tests/fakes/fake_library_loader.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_system_info.h"

namespace tavel::panel {
namespace {

using Kind = ChoiceResult::Kind;
constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr char kOstra[] = "SOFTWARE\\Norvik\\OSTRA";
constexpr char kPackage[] = "SOFTWARE\\MASKOR\\VRHOTKEY";
constexpr char kLibrary[] = "C:\\Hotkey\\tvkif32.dll";
const std::string kVelmora =
    std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") +
    maker::kVelmoraProductCode;

uint32_t TAVEL_STDCALL OnlyWirelessRadio(uint32_t fn) { return fn == 5 ? 1 : 0; }
uint32_t TAVEL_STDCALL OnlyDovra(uint32_t fn) { return fn == 9 ? 1 : 0; }
void TAVEL_STDCALL Nothing() {}

// ----------------------------------------------------------------- machine

struct Machine {
  const char* what;
  uint32_t driverSelector0;  // bit 24: the Varo button
  uint32_t driverSelector1;  // bit 6: Lumara
  const char* ostraVersion;  // nullptr: not installed
  bool velmora;
  ExportAddress isFnFxAvailable;  // nullptr: library without the export
  bool library;
  ExternalRowCapabilities expected;
  VaroButtonKind kind;
};

class ExternalRowsTest : public ::testing::Test {
 protected:
  ExternalRowCapabilities Ask(const Machine& m) {
    io = {};
    registry = {};
    loader = {};
    io.capabilities = {{0, m.driverSelector0}, {1, m.driverSelector1}};
    if (m.ostraVersion) registry.PutString(HKLM, kOstra, "Version", m.ostraVersion);
    if (m.velmora) registry.AddKey(HKLM, kVelmora);
    if (m.library) {
      registry.PutString(HKLM, kPackage, "", "C:\\Hotkey");
      std::map<std::string, ExportAddress> exports{
          {"HK_VirtualNotifyFnFx", reinterpret_cast<ExportAddress>(Nothing)}};
      if (m.isFnFxAvailable) exports["HK_IsFnFxAvailable"] = m.isFnFxAvailable;
      loader.Install(kLibrary, exports);
    }
    return AskExternalRowCapabilities(io, registry, system, loader);
  }
  fake::FakeDeviceIo io;
  fake::FakeRegistry registry;
  fake::FakeSystemInfo system;
  fake::FakeLibraryLoader loader;
};

TEST_F(ExternalRowsTest, RowsFollowTheMachinesAnswers) {
  const auto wireless = reinterpret_cast<ExportAddress>(OnlyWirelessRadio);
  const auto dovra = reinterpret_cast<ExportAddress>(OnlyDovra);
  const Machine machines[] = {
      {"nothing installed", 0, 0, nullptr, false, nullptr, false, {}, VaroButtonKind::Varo},
      {"driver with the button and Lumara", 1u << 24, 1u << 6, nullptr, false, nullptr, false,
       {true, false, false, true}, VaroButtonKind::Varo},
      {"Ostra 4", 0, 0, "4.0", false, nullptr, false, {true, false, false, false},
       VaroButtonKind::Ostra},
      {"Ostra 3.9 is too old", 0, 0, "3.9", false, nullptr, false, {}, VaroButtonKind::Varo},
      {"Velmora wins over Ostra and the driver", 1u << 24, 0, "4.0", true, nullptr, false,
       {true, false, false, false}, VaroButtonKind::Velmora},
      {"library with wireless radio only", 0, 0, nullptr, false, wireless, true,
       {false, true, false, false}, VaroButtonKind::Varo},
      {"library with Dovra only", 0, 0, nullptr, false, dovra, true, {false, false, true, false},
       VaroButtonKind::Varo},
      {"library without the question", 0, 0, nullptr, false, nullptr, true, {},
       VaroButtonKind::Varo},
  };
  for (const Machine& m : machines) {
    SCOPED_TRACE(m.what);
    const ExternalRowCapabilities c = Ask(m);
    EXPECT_EQ(c.brandedButton, m.expected.brandedButton);
    EXPECT_EQ(c.wirelessRadio, m.expected.wirelessRadio);
    EXPECT_EQ(c.dovra, m.expected.dovra);
    EXPECT_EQ(c.lumara, m.expected.lumara);
    EXPECT_EQ(AskVaroButtonKind(registry), m.kind);
    EXPECT_EQ(loader.loadedCount, 0) << "the library stays loaded";
    EXPECT_EQ(registry.openHandles(), 0u);
    EXPECT_EQ(io.openHandles, 0);
  }
}

TEST(ExternalRows, MissingFunctionsGreyOrHideTheirRows) {
  const ExternalRowCapabilities none{};
  EXPECT_EQ(PresenceOf(kExtVolumeUp, none), RowPresence::Usable);
  EXPECT_EQ(PresenceOf(kExtBrandedButton, none), RowPresence::Disabled);
  EXPECT_EQ(PresenceOf(kExtWirelessRadio, none), RowPresence::Disabled);
  EXPECT_EQ(PresenceOf(kExtDovra, none), RowPresence::Disabled);
  EXPECT_EQ(PresenceOf(kExtLumara, none), RowPresence::Hidden);
  const ExternalRowCapabilities all{true, true, true, true};
  for (uint32_t row = 0; row < ExtKbMap::kEntries; ++row) {
    EXPECT_EQ(PresenceOf(static_cast<ExtKbFunction>(row), all), RowPresence::Usable);
  }
}

TEST(ExternalRows, RowThreeIsNamedByTheButtonsKind) {
  EXPECT_EQ(ExternalChoices::RowNameId(3, VaroButtonKind::Velmora), unsigned{IDS_FN_VELMORA});
  EXPECT_EQ(ExternalChoices::RowNameId(3, VaroButtonKind::Ostra), unsigned{IDS_FN_OSTRA});
  EXPECT_EQ(ExternalChoices::RowNameId(3, VaroButtonKind::Varo), unsigned{IDS_FN_VARO});
  EXPECT_EQ(ExternalChoices::RowNameId(8, VaroButtonKind::Varo), unsigned{IDS_FN_MAGNIFIER});
}

TEST(ExternalRows, HiddenRowsStillHoldTheirCombinations) {
  ExternalChoices page;
  page.Rows().Clear();
  ExtKbMap map{};
  map.entries[kExtLumara] = {vk::RControl, vk::F7};
  page.LoadPageChoices(map);
  // Right Ctrl + F7 for volume up collides with the invisible Lumara row.
  ASSERT_EQ(page.Rows().CommitRowChoice(kExtVolumeUp, RowSide::First, 4).kind, Kind::Kept);
  EXPECT_EQ(page.Rows().CommitRowChoice(kExtVolumeUp, RowSide::Second, 11).messageId,
            unsigned{IDS_MSG_DUPLICATE_COMBINATION});
  const ExtKbMap built = page.BuildPageRecord();
  EXPECT_EQ(built.entries[kExtLumara].secondKey, vk::F7);
  EXPECT_EQ(built.entries[kExtVolumeUp].firstKey, vk::RControl);
  EXPECT_EQ(built.entries[kExtVolumeUp].secondKey, vk::None);
}

// ----------------------------------------------------------------- special characters

TEST(SymbChoices, CharacterCodesRoundTripEvenOutsideTheList) {
  SymbChoices page;
  page.Clear();
  SymbMap map{};
  map.entries[0] = {12, vk::RShift, vk::Digit1};
  map.entries[1] = {0xFFFFFFFF, 0, 0};
  map.entries[2] = {11, vk::LShift, vk::Digit0};
  page.LoadPageChoices(map);
  const SymbMap built = page.BuildPageRecord();
  for (size_t row = 0; row < SymbMap::kEntries; ++row) {
    EXPECT_EQ(built.entries[row].characterChoice, map.entries[row].characterChoice) << row;
    EXPECT_EQ(built.entries[row].firstKey, map.entries[row].firstKey) << row;
    EXPECT_EQ(built.entries[row].secondKey, map.entries[row].secondKey) << row;
  }
}

TEST(SymbChoices, CombinationsAreUniqueWhateverTheCharacters) {
  SymbChoices page;
  page.Clear();
  SymbMap map{};
  map.entries[0] = {1, vk::RShift, vk::Digit1};
  map.entries[1] = {5, 0, 0};
  page.LoadPageChoices(map);
  ASSERT_EQ(page.Rows().CommitRowChoice(1, RowSide::First, 2).kind, Kind::Kept);
  EXPECT_EQ(page.Rows().CommitRowChoice(1, RowSide::Second, 1).kind, Kind::Refused);
  EXPECT_TRUE(page.SelectCharacter(1, 1));  // the same character twice is fine
  EXPECT_FALSE(page.SelectCharacter(1, 1));
}

TEST(SymbChoices, ARowTypedWithAKeyNotOfferedHereIsKeptAsStored) {
  SymbChoices page;
  page.Clear();
  SymbMap map{};
  map.entries[0] = {2, vk::LControl, vk::Digit1 + 1};  // typed with Ctrl: not a choice here
  page.LoadPageChoices(map);
  EXPECT_EQ(page.Rows()[0].first, kNotAssigned);
  EXPECT_EQ(page.Rows()[0].second, 2);
  EXPECT_EQ(page.Rows().FirstIncompleteRow(), std::nullopt);  // Apply goes through
  const SymbEntry written = page.BuildPageRecord().entries[0];
  EXPECT_EQ(written.characterChoice, 2u);
  EXPECT_EQ(written.firstKey, vk::LControl);
  EXPECT_EQ(written.secondKey, vk::Digit1 + 1);
  // Until the user picks a first key the page offers.
  ASSERT_EQ(page.Rows().CommitRowChoice(0, RowSide::First, 2).kind, Kind::Kept);
  EXPECT_EQ(page.BuildPageRecord().entries[0].firstKey, vk::RShift);
}

TEST(SymbChoices, DefaultRowsShowCharactersWithoutKeysAndPass) {
  SymbChoices page;
  page.Clear();
  page.LoadPageChoices({{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}});
  EXPECT_EQ(page.Character(3), 4);
  EXPECT_EQ(page.Character(4), 0);
  EXPECT_EQ(page.Rows().FirstIncompleteRow(), std::nullopt);
}

}  // namespace
}  // namespace tavel::panel
