#include "panel/core/apply_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recording_monitor.h"

namespace tavel::panel {
namespace {

using test::Log;

class FakePages : public SettingsPages {
 public:
  explicit FakePages(Log& log) : log_(log) {}
  bool notebookValid = true, externalValid = true, symbolsValid = true;
  NotebookPageValues notebook{1, 29, false, {}, {}};
  ExternalPageValues external{0, {}};
  KeySensPageValues keySens{1, {}};
  SymbMap symbols{};

  bool ValidateNotebook() override { return Check("validate notebook", notebookValid); }
  bool ValidateExternal() override { return Check("validate external", externalValid); }
  bool ValidateSymbols() override { return Check("validate symbols", symbolsValid); }
  NotebookPageValues Notebook() override { return notebook; }
  ExternalPageValues External() override { return external; }
  KeySensPageValues KeySens() override { return keySens; }
  SymbMap Symbols() override { return symbols; }

 private:
  bool Check(const char* what, bool ok) {
    log_.push_back(what);
    return ok;
  }
  Log& log_;
};

class RecordingEffects : public ApplyEffects {
 public:
  explicit RecordingEffects(Log& log) : log_(log) {}
  void SaveLayout(const PanelSettings&) override { log_.push_back("save layout"); }
  void WriteVrKb(const PanelSettings&) override { log_.push_back("write vrkb"); }
  void SendVrKb(const PanelSettings&) override { log_.push_back("send vrkb"); }
  void SwitchOffStickyKeysHotKey() override { log_.push_back("sticky keys hot key off"); }
  void WriteExtKb(const PanelSettings& s) override {
    sentExtKbMask = s.extKbMask;
    log_.push_back("write extkb");
  }
  void SendExtKb(const PanelSettings&) override { log_.push_back("send extkb"); }
  void WriteKeySens(const PanelSettings&) override { log_.push_back("write keysens"); }
  void WriteSymb(const PanelSettings&) override { log_.push_back("write symb"); }
  void SendSymb(const PanelSettings&) override { log_.push_back("send symb"); }
  uint32_t sentExtKbMask = 0;

 private:
  Log& log_;
};

class ApplySequenceTest : public testing::Test {
 protected:
  Log log;
  PanelSettings settings;
  FakePages pages{log};
  RecordingEffects effects{log};
  test::ScriptedProductState state;
  test::RecordingMonitor monitor{log};
  bool extKbTabEnabled = true;

  bool Apply() {
    return RunApply({settings, extKbTabEnabled, true, pages, effects, state, monitor});
  }
  bool Logged(const std::string& entry) const {
    return std::find(log.begin(), log.end(), entry) != log.end();
  }
};

TEST_F(ApplySequenceTest, ValidatesThenDecidesMonitorThenWritesAndSendsEachGroupInOrder) {
  ASSERT_TRUE(Apply());
  EXPECT_EQ(log, (Log{"validate notebook", "validate external", "validate symbols",
                      "svc 129", "run= \"C:\\Tavel\\Tavelmon.exe\"", "Tavelmon",
                      "save layout", "write vrkb", "send vrkb",
                      "write extkb", "send extkb",
                      "write keysens",
                      "write symb", "send symb"}));
}

TEST_F(ApplySequenceTest, RefusingPageStopsBeforeAnythingIsWrittenOrSent) {
  struct Case {
    bool FakePages::*refusing;
    size_t validationsRun;
  };
  for (Case c : {Case{&FakePages::notebookValid, 1}, Case{&FakePages::externalValid, 2},
                 Case{&FakePages::symbolsValid, 3}}) {
    log.clear();
    pages.notebookValid = pages.externalValid = pages.symbolsValid = true;
    pages.*c.refusing = false;
    EXPECT_FALSE(Apply());
    EXPECT_EQ(log.size(), c.validationsRun);
  }
}

TEST_F(ApplySequenceTest, DisabledExternalTabLeavesExternalSettingsAlone) {
  extKbTabEnabled = false;
  settings.extKbMap.entries[4] = {vk::RControl, vk::F4};
  pages.external.map.entries[4] = {vk::RControl, vk::F5};
  pages.externalValid = false;  // must not even be asked

  ASSERT_TRUE(Apply());
  EXPECT_FALSE(Logged("validate external"));
  EXPECT_FALSE(Logged("write extkb"));
  EXPECT_FALSE(Logged("send extkb"));
  EXPECT_EQ(settings.extKbMap.entries[4].secondKey, vk::F4);
  EXPECT_EQ(settings.extKbMask, 0u);
}

TEST_F(ApplySequenceTest, ExternalMaskGainsStatusAndAutoStatusOnly) {
  settings.extKbMask = kExtKbMaskAutoStatus;  // from the Options dialog earlier
  ASSERT_TRUE(Apply());
  EXPECT_EQ(effects.sentExtKbMask, kExtKbMaskStatus | kExtKbMaskAutoStatus);
}

TEST_F(ApplySequenceTest, PageValuesBecomeTheSettingsThatAreWritten) {
  pages.notebook = {0, 3, false, {{{vk::RMenu, vk::LWin}, {0, 0}}}, {}};
  pages.external = {1, {}};
  pages.keySens.map.entries[0] = {vk::Escape, 400};
  pages.symbols.entries[0] = {1, vk::RShift, vk::Digit1};

  ASSERT_TRUE(Apply());
  EXPECT_EQ(settings.vrKbAsgnsStatus, 0u);
  EXPECT_EQ(settings.vrKbLangId, 3u);
  EXPECT_EQ(settings.vrKbMap.entries[0].physicalKey, vk::RMenu);
  EXPECT_EQ(settings.extKb.status, 1u);
  EXPECT_EQ(settings.keySensMap.entries[0].minimumPressMs, 400u);
  EXPECT_EQ(settings.symbMap.entries[0].characterChoice, 1u);
}

TEST_F(ApplySequenceTest, BrowserKeysTakeOnlyZeroOrOne) {
  for (uint32_t check : {0u, 1u, 2u}) {
    settings.vrKbBrwAsgnsStatus = 7;
    pages.keySens.enableBrowserKeys = check;
    ASSERT_TRUE(Apply());
    EXPECT_EQ(settings.vrKbBrwAsgnsStatus, check <= 1 ? check : 7u) << check;
  }
}

TEST_F(ApplySequenceTest, StickyKeysHotKeyOffOnlyForShiftAsWindowsKey) {
  for (bool shift : {false, true}) {
    log.clear();
    pages.notebook.windowsKeyIsShift = shift;
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Logged("sticky keys hot key off"), shift);
  }
}

TEST_F(ApplySequenceTest, MonitorDecisionUsesPageContentsNotSavedValues) {
  settings.vrKbAsgnsStatus = 1;  // saved: needed
  pages.notebook.enableAssignments = 0;  // page: nothing needs the hook
  ASSERT_TRUE(Apply());
  EXPECT_TRUE(Logged("Tavelmon /x"));
  EXPECT_FALSE(Logged("Tavelmon"));
}

}  // namespace
}  // namespace tavel::panel
