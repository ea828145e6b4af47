#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "panel/core/settings_loading.h"
#include "panel/maintenance/key_name_display.h"
#include "panel/maintenance/key_sens_rows.h"
#include "panel/maintenance/key_test.h"
#include "common/registry_layout.h"
#include "tests/fakes/fake_registry.h"

namespace tavel::panel {
namespace {

// ----------------------------------------------------------- slider positions

TEST(PressDurations, SliderPositionsAndStoredDurations) {
  struct Case {
    uint32_t storedMs;
    int position;
    uint32_t writtenBackMs;
  };
  const Case cases[] = {
      {0, 0, 0},     {200, 1, 200}, {400, 2, 400}, {600, 3, 600}, {800, 4, 800},
      {300, 0, 0},   // not a slider step
      {1000, 0, 0},  // longer than the longest step
      {0xFFFFFFFF, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.storedMs);
    EXPECT_EQ(PositionOfDuration(c.storedMs), c.position);
    EXPECT_EQ(DurationOfPosition(PositionOfDuration(c.storedMs)), c.writtenBackMs);
  }
}

TEST(PressDurations, TheMapHasTheSixKeysInOrderWhateverItHeld) {
  KeySensMap stored{};
  stored.entries[1] = {vk::F1, 800};
  stored.entries[3] = {0x41, 300};  // a foreign key and an odd duration
  const SliderPositions positions = PositionsOf(stored);
  EXPECT_EQ(positions, (SliderPositions{0, 4, 0, 0, 0, 0}));

  const KeySensMap written = KeySensMapOf({1, 4, 0, 0, 2, 3});
  const KeySensEntry expected[] = {{vk::Escape, 200},     {vk::F1, 800},
                                   {vk::Tab, 0},          {vk::Capital, 0},
                                   {vk::BrowserBack, 400}, {vk::BrowserForward, 600}};
  for (size_t row = 0; row < kKeySensRows; ++row) {
    EXPECT_EQ(written.entries[row].key, expected[row].key) << row;
    EXPECT_EQ(written.entries[row].minimumPressMs, expected[row].minimumPressMs) << row;
  }
}

TEST(PressDurations, RowsTheSlidersCannotShowAreKeptUntilTheirSliderMoves) {
  KeySensMap stored{};
  stored.entries[0] = {vk::Escape, 400};
  stored.entries[1] = {vk::F1, 300};      // between two steps
  stored.entries[3] = {0x41, 0};          // another key
  stored.entries[5] = {vk::BrowserForward, 0xFFFFFFFF};
  KeySensSliders sliders(stored);
  EXPECT_EQ(sliders.Positions(), (SliderPositions{2, 0, 0, 0, 0, 0}));
  const KeySensMap untouched = sliders.Map();
  EXPECT_EQ(0, std::memcmp(&untouched.entries[1], &stored.entries[1], sizeof(KeySensEntry)));
  EXPECT_EQ(untouched.entries[3].key, 0x41u);
  EXPECT_EQ(untouched.entries[5].minimumPressMs, 0xFFFFFFFFu);
  EXPECT_EQ(untouched.entries[2].key, 0u) << "a row of zeros too";

  sliders.Move(1, 0);  // where it shows already: still as stored
  EXPECT_EQ(sliders.Map().entries[1].minimumPressMs, 300u);
  sliders.Move(1, 3);
  sliders.Move(3, 1);
  EXPECT_EQ(sliders.Map().entries[1].minimumPressMs, 600u);
  EXPECT_EQ(sliders.Map().entries[3].key, vk::Capital);
  EXPECT_EQ(sliders.Map().entries[3].minimumPressMs, 200u);
}

// ----------------------------------------------------------- judging the keys

constexpr uint32_t kF1 = vk::F1, kEsc = vk::Escape, kBack = vk::BrowserBack, kEnter = 0x0D;

struct Press {
  uint32_t vk;
  bool up;
  uint32_t time;
  KeyTestVerdict verdict;
};

KeyEvent EventOf(const Press& p) {
  return {p.up ? kWmKeyUp : kWmKeyDown, p.vk, 0, p.up ? kKeyFlagUp : 0u, p.time, 0};
}

using V = KeyTestVerdict;
constexpr V kPass = V::PassOn, kSwallow = V::Swallow, kShown = V::Recognised;

struct Scenario {
  const char* what;
  SliderPositions positions;
  bool browserKeysEnabled;
  std::vector<Press> presses;
};

TEST(KeyTestTable, JudgesKeysAsTheFilterWould) {
  const Scenario scenarios[] = {
      {"F1 held at 800 ms: nothing before 800 ms, then once per further 800 ms",
       {0, 4, 0, 0, 0, 0},
       true,
       {{kF1, false, 1000, kSwallow},
        {kF1, false, 1500, kSwallow},
        {kF1, false, 1799, kSwallow},
        {kF1, false, 1800, kShown},
        {kF1, false, 1833, kSwallow},  // the timer starts again here
        {kF1, false, 2632, kSwallow},
        {kF1, false, 2633, kShown},
        {kF1, true, 2650, kSwallow}}},
      {"a key-up stops the timer: the next press starts from zero",
       {0, 2, 0, 0, 0, 0},
       true,
       {{kF1, false, 0, kSwallow},
        {kF1, true, 300, kSwallow},
        {kF1, false, 500, kSwallow},
        {kF1, false, 899, kSwallow},
        {kF1, false, 900, kShown}}},
      {"no delay: every key-down is shown, every key-up swallowed",
       {0, 0, 0, 0, 0, 0},
       true,
       {{kEsc, false, 10, kShown},
        {kEsc, false, 43, kShown},
        {kEsc, true, 50, kSwallow},
        {vk::Tab, false, 60, kShown},
        {vk::Capital, false, 70, kShown}}},
      {"the tick count wraps while the key is held",
       {0, 4, 0, 0, 0, 0},
       true,
       {{kF1, false, 0xFFFFFE00, kSwallow},
        {kF1, false, 0x0000001F, kSwallow},  // 543 ms
        {kF1, false, 0x00000120, kShown}}},  // 800 ms
      {"other keys, Enter among them, reach the program",
       {4, 4, 4, 4, 4, 4},
       true,
       {{kEnter, false, 0, kPass}, {kEnter, true, 10, kPass}, {0x41, false, 20, kPass}}},
      {"browser keys switched off are swallowed without a name",
       {0, 0, 0, 0, 0, 0},
       false,
       {{kBack, false, 0, kSwallow},
        {kBack, true, 10, kSwallow},
        {vk::BrowserForward, false, 20, kSwallow},
        {kEsc, false, 30, kShown}}},
      {"browser keys switched on are shown",
       {0, 0, 0, 0, 1, 0},
       true,
       {{kBack, false, 0, kSwallow}, {kBack, false, 200, kShown}}},
      {"one timer serves all six keys",
       {2, 4, 0, 0, 0, 0},
       true,
       {{kF1, false, 0, kSwallow}, {kEsc, false, 450, kShown}, {kF1, false, 500, kSwallow}}},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.what);
    KeyTestTable table;
    table.Fill(s.positions, s.browserKeysEnabled);
    for (size_t i = 0; i < s.presses.size(); ++i) {
      EXPECT_EQ(table.Judge(EventOf(s.presses[i])), s.presses[i].verdict) << "event " << i;
    }
  }
}

// ----------------------------------------------------------- the test's life

class RecordingSystem : public KeyTestSystem {
 public:
  std::vector<std::string> log;
  bool hookAvailable = true;
  KeyTestTable* consulted = nullptr;

  bool InstallHook(KeyTestTable& table) override {
    log.push_back(hookAvailable ? "hook" : "hook refused");
    if (hookAvailable) consulted = &table;
    return hookAvailable;
  }
  void RemoveHook() override {
    log.push_back("unhook");
    consulted = nullptr;
  }
  void HandStatusToHookLibrary(uint32_t status) override {
    log.push_back("status " + std::to_string(status));
  }
};

using Log = std::vector<std::string>;

TEST(KeyTest, HookLibraryStandsAsideOnlyWhileTheHookRuns) {
  RecordingSystem system;
  KeyTest test(system);
  ASSERT_TRUE(test.Start({0, 4, 0, 0, 0, 0}, true, kKeySensOff));
  EXPECT_TRUE(test.Running());
  EXPECT_EQ(system.log, (Log{"hook", "status 2"}));
  EXPECT_EQ(system.consulted->Rows().entries[1].minimumPressMs, 800u);

  test.Stop();
  EXPECT_FALSE(test.Running());
  EXPECT_EQ(system.log, (Log{"hook", "status 2", "unhook", "status 0"}));
  test.Stop();  // every way out stops it; only the first does anything
  EXPECT_EQ(system.log.size(), 4u);
}

TEST(KeyTest, WithoutItsHookTheTestDoesNotStart) {
  RecordingSystem system;
  system.hookAvailable = false;
  KeyTest test(system);
  EXPECT_FALSE(test.Start({}, true, kKeySensOn));
  EXPECT_FALSE(test.Running());
  test.Stop();
  EXPECT_EQ(system.log, (Log{"hook refused"}));
}

TEST(KeyTest, ARestartMeasuresTheNewDurationsFromAnIdleTimer) {
  RecordingSystem system;
  KeyTest test(system);
  ASSERT_TRUE(test.Start({0, 4, 0, 0, 0, 0}, true, kKeySensOn));
  // F1 still held when the test stops.
  EXPECT_EQ(system.consulted->Judge(EventOf({kF1, false, 0, kSwallow})), kSwallow);
  test.Stop();
  ASSERT_TRUE(test.Start({0, 2, 0, 0, 0, 0}, true, kKeySensOn));
  EXPECT_EQ(system.consulted->Judge(EventOf({kF1, false, 5000, kSwallow})), kSwallow);
  EXPECT_EQ(system.consulted->Judge(EventOf({kF1, false, 5400, kShown})), kShown);
  EXPECT_EQ(system.log.back(), "status 2");
}

// ----------------------------------------------------------- the names shown

// Every character is one unit wide.
class FixedWidth : public LineMeasure {
 public:
  explicit FixedWidth(size_t width) : width_(width) {}
  bool Fits(const std::wstring& line) const override { return line.size() <= width_; }

 private:
  size_t width_;
};

TEST(KeyNameDisplay, FillsLinesAndKeepsTheLatestSix) {
  struct Case {
    const char* what;
    size_t width;
    std::vector<std::wstring> names;
    std::wstring shown;
  };
  const Case cases[] = {
      {"names joined by blanks", 20, {L"Esc", L"F1", L"Tab"}, L"Esc F1 Tab"},
      {"a line filled to the last column", 6, {L"Esc", L"F1"}, L"Esc F1"},
      {"a name that does not fit starts a line", 5, {L"Esc", L"F1", L"F1"}, L"Esc\nF1 F1"},
      {"a name wider than a line has a line of its own",
       4,
       {L"Esc", L"Caps Lock", L"F1"},
       L"Esc\nCaps Lock\nF1"},
      {"six lines", 2, {L"1", L"2", L"3", L"4", L"5", L"6"}, L"1\n2\n3\n4\n5\n6"},
      {"the seventh line drops the first",
       2,
       {L"1", L"2", L"3", L"4", L"5", L"6", L"7"},
       L"2\n3\n4\n5\n6\n7"},
      {"and so on at every new line",
       2,
       {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"a", L"b", L"c", L"d", L"e"},
       L"9\na\nb\nc\nd\ne"},
      {"a name that fits adds to the last line without dropping any",
       4,
       {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"},
       L"1 2\n3 4\n5 6\n7 8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KeyNameDisplay display;
    for (const std::wstring& name : c.names) display.Show(name, FixedWidth(c.width));
    EXPECT_EQ(display.Text(), c.shown);
  }
}

TEST(KeyNameDisplay, ARestartStartsEmpty) {
  KeyNameDisplay display;
  for (int i = 0; i < 9; ++i) display.Show(L"F1", FixedWidth(2));
  display.Clear();
  EXPECT_EQ(display.Text(), L"");
  display.Show(L"Tab", FixedWidth(10));
  display.Show(L"Esc", FixedWidth(10));
  EXPECT_EQ(display.Text(), L"Tab Esc");
}

// ----------------------------------------------------------- loading

TEST(KeySensLoading, AStoredKeyTestIsALeftOverOfAnEndedProgram) {
  for (uint32_t stored : {0u, 1u, 2u}) {
    fake::FakeRegistry registry;
    registry.PutDword(RegRoot::CurrentUser, keys::kKeySens, values::kKeySensStatus, stored);
    PanelSettings settings;
    LoadPanelSettings(registry, settings);
    EXPECT_EQ(settings.keySensAsgnsStatus, stored == 2 ? 1u : stored) << stored;
  }
}

}  // namespace
}  // namespace tavel::panel
