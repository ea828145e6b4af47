#include <gtest/gtest.h>

#include <algorithm>

#include "common/defaults.h"
#include "panel/maintenance/options_outcome.h"
#include "recording_monitor.h"

namespace tavel::panel {
namespace {

using test::Log;

class Recorder : public ResetPages, public ResetEffects, public OptionsEffects {
 public:
  explicit Recorder(Log& log) : log_(log) {}
  void ResetNotebook(const VrKbMap&) override { log_.push_back("page notebook"); }
  void ResetExternal(const ExtKbMap&) override { log_.push_back("page external"); }
  void ResetKeySensitivity(const KeySensMap&) override { log_.push_back("page keysens"); }
  void ResetSpecialCharacters(const SymbMap&) override { log_.push_back("page symbols"); }
  void WriteVrKbMaps(const PanelSettings&) override { log_.push_back("write vrkb maps"); }
  void SendVrKb(const PanelSettings&) override { log_.push_back("send vrkb"); }
  void WriteExtKbMap(const PanelSettings&) override { log_.push_back("write extkb map"); }
  void SendExtKb(const PanelSettings&) override { log_.push_back("send extkb"); }
  void WriteKeySensMap(const PanelSettings&) override { log_.push_back("write keysens map"); }
  void WriteSymbMap(const PanelSettings&) override { log_.push_back("write symb map"); }
  void SendSymb(const PanelSettings&) override { log_.push_back("send symb"); }

  void WriteTvkStatus(uint32_t status) override { log_.push_back("TVKStatus " + std::to_string(status)); }
  void RefreshShownPage() override { log_.push_back("refresh page"); }
  bool ApplyEnabled() override { return applyEnabled; }
  void EnableApply(bool enable) override { applyEnabled = enable; }
  void WriteExtKbSettings(const PanelSettings& s) override {
    log_.push_back("write extkb settings, mask " + std::to_string(s.extKbMask) + ", auto " +
                   std::to_string(s.extKb.autoStatus));
  }
  bool applyEnabled = false;

 private:
  Log& log_;
};

class OptionsResetTest : public testing::Test {
 protected:
  OptionsResetTest() {
    settings.vrKbBrwAsgnsStatus = 1;  // browser keys on: nothing needs the hook
    settings.extKb.autoStatus = 1;
  }
  void Reset(uint32_t mask, bool productEnabled = true) {
    RunReset(mask, {settings, recorder, recorder, externalDefaults, productEnabled, state, monitor});
  }
  void Options(OptionsChoices choices) {
    RunOptionsOutcome(choices, {product, settings, recorder, state, monitor, recorder, recorder,
                                externalDefaults});
  }
  size_t IndexOf(const std::string& entry) const {
    return static_cast<size_t>(std::find(log.begin(), log.end(), entry) - log.begin());
  }

  Log log;
  PanelSettings settings;
  Recorder recorder{log};
  test::ScriptedProductState state;
  test::RecordingMonitor monitor{log};
  ProductSwitch product;
  std::function<ExtKbMap()> externalDefaults = [] { return ResetExtKbMap({}); };
};

TEST_F(OptionsResetTest, EachGroupGoesToMemoryThePageTheRegistryAndTheMonitorInOrder) {
  settings.vrKbMap = {{{vk::LControl, vk::LWin}, {0, 0}}};
  settings.keySensMap.entries[1] = {vk::F1, 800};
  Reset(kResetNotebook | kResetExternal | kResetKeySensitivity | kResetSpecialCharacters);
  const Log expected = {"page notebook",     "write vrkb maps",     "send vrkb",
                        "page external",     "write extkb map",     "send extkb",
                        "page keysens",      "write keysens map",
                        "page symbols",      "write symb map",      "send symb",
                        "svc 130",           "run deleted",         "Tavelmon /x"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(settings.vrKbMap.entries[0].physicalKey, vk::RMenu);
  EXPECT_EQ(settings.keySensMap.entries[1].minimumPressMs, 0u);
  EXPECT_EQ(settings.extKbMap.entries[kExtVolumeUp].secondKey, vk::Up);
}

TEST_F(OptionsResetTest, NothingChosenChangesNothing) {
  settings.keySensMap.entries[0] = {vk::Escape, 400};
  Reset(0);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(settings.keySensMap.entries[0].minimumPressMs, 400u);
}

TEST_F(OptionsResetTest, ResetLeavesTheSwitchesAndCountsOnlyCompleteCharacterRows) {
  settings.keySensAsgnsStatus = 1;
  settings.vrKbBrwAsgnsStatus = 1;
  settings.symbMap.entries[0] = {1, vk::RShift, vk::Digit1};  // needs the hook
  Reset(kResetSpecialCharacters | kResetKeySensitivity);
  EXPECT_EQ(settings.keySensAsgnsStatus, 1u);
  EXPECT_EQ(settings.vrKbBrwAsgnsStatus, 1u);
  EXPECT_EQ(settings.symbMap.entries[0].characterChoice, 1u);  // a character without keys
  EXPECT_EQ(log.back(), "Tavelmon /x");                      // so nothing needs the monitor
}

TEST_F(OptionsResetTest, OptionsResetFirstWithTheOldStateThenSwitchTheProduct) {
  settings.vrKbAsgnsStatus = 1;  // the monitor is needed
  Options({true, true, kResetKeySensitivity});
  // The reset still sees an enabled product and starts the monitor; then
  // the product goes off and the monitor with it.
  EXPECT_LT(IndexOf("page keysens"), IndexOf("Tavelmon"));
  EXPECT_LT(IndexOf("Tavelmon"), IndexOf("TVKStatus 1"));
  EXPECT_LT(IndexOf("refresh page"), IndexOf("Tavelmon /x"));
  EXPECT_EQ(log.back(), "write extkb settings, mask 2, auto 1");
}

TEST_F(OptionsResetTest, ApplyWaitsWhileTheProductIsOffAndReturnsWithIt) {
  recorder.applyEnabled = true;
  Options({true, true, 0});
  EXPECT_FALSE(recorder.applyEnabled);
  Options({false, true, 0});
  EXPECT_TRUE(recorder.applyEnabled);
  recorder.applyEnabled = false;  // applied meanwhile
  Options({false, true, 0});
  EXPECT_TRUE(recorder.applyEnabled) << "the pending mark lasts as long as the program";
}

TEST_F(OptionsResetTest, TheMonitorFollowsTheSavedSettingsAndTheMakersKeyboard) {
  Options({false, false, 0});
  EXPECT_EQ(IndexOf("Tavelmon /x"), IndexOf("run deleted") + 1);
  EXPECT_EQ(log.back(), "write extkb settings, mask 2, auto 0");
  log.clear();
  state.detectStatus = {1};  // the maker's keyboard wants the monitor
  Options({false, false, 0});
  EXPECT_LT(IndexOf("Tavelmon"), log.size());
  log.clear();
  Options({true, false, 0});  // but never a disabled product's
  EXPECT_LT(IndexOf("Tavelmon /x"), log.size());
}

TEST_F(OptionsResetTest, TheAutomaticSwitchOffIsSavedWithTheMaskAnApplyLeft) {
  settings.extKbMask = kExtKbMaskStatus | kExtKbMaskAutoStatus;
  Options({false, false, 0});
  EXPECT_EQ(settings.extKb.autoStatus, 0u);
  EXPECT_EQ(log.back(), "write extkb settings, mask 3, auto 0");
}

}  // namespace
}  // namespace tavel::panel
