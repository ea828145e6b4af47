#include "monitor/monitor_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_monitor.h"
#include "monitor/channel_records.h"
#include "monitor/monitor_messages.h"
#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

constexpr WindowHandle kSelf = 500;

class MonitorWindowTest : public ::testing::Test, protected FakeMonitor {
 protected:
  void Message(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
    window.HandleMessage(kSelf, message, wParam, lParam);
  }
  // Lets time pass; expired timers reach the window as WM_TIMER. Returns the
  // times (ms from the test's start) at which the call `what` was made.
  std::vector<uint64_t> Advance(uint64_t ms, const std::string& what) {
    std::vector<uint64_t> when;
    timers.Advance(ms, [&](uint32_t id) {
      const size_t before = log.size();
      Message(WM_TIMER_MESSAGE, id);
      for (size_t i = before; i < log.size(); ++i)
        if (log[i].rfind(what, 0) == 0) when.push_back(timers.now());
    });
    return when;
  }
  size_t Count(const std::string& prefix) const {
    return std::count_if(log.begin(), log.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
  }
};

TEST_F(MonitorWindowTest, CreateInstallsTheHookThenLoadsEverySettingThenScans) {
  hook.symbMap.entries[0].characterChoice = 3;
  Message(WM_CREATE_MESSAGE);
  EXPECT_EQ(log, (CallLog{"InstallKeyboardHook(500)", "LoadVrKbStatus", "LoadExtKbSettings", "LoadVrKbMap",
                          "LoadExtKbMap", "LoadKeySensStatus", "LoadKeySensMap", "LoadSymbStatus",
                          "LoadSymbMap", "GetSymbMap", "LoadVrKbBrwStatus", "LoadVrKbBrwMap",
                          "GetVrKbBrwMap", "GetKeySensMap", "GetKeySensStatus", "DetectUsbKeyboards",
                          "WatchSession(500)", "WatchRawKeyboard(500)"}));
  EXPECT_EQ(window.Cache().symbMap.entries[0].characterChoice, 3u);
}

TEST_F(MonitorWindowTest, KeyTestLeftOverByACrashedConfigurationProgramIsEnded) {
  hook.keySensStatus = kKeySensKeyTestRunning;
  Message(WM_CREATE_MESSAGE);
  EXPECT_EQ(hook.keySensStatus, kKeySensOn);
  EXPECT_EQ(Count("SetKeySensStatus(1)"), 1u);
}

TEST_F(MonitorWindowTest, KeyTestOfARunningConfigurationProgramIsLeftAlone) {
  hook.keySensStatus = kKeySensKeyTestRunning;
  processes.mutexes["TavelpanelInstanceMutex"] = true;
  Message(WM_CREATE_MESSAGE);
  EXPECT_EQ(hook.keySensStatus, kKeySensKeyTestRunning);
  EXPECT_EQ(Count("SetKeySensStatus"), 0u);
}

TEST_F(MonitorWindowTest, QuitSentToTheWindowRemovesTheHookForGood) {
  Message(WM_CREATE_MESSAGE);
  Message(WM_QUIT_MESSAGE);
  log.clear();
  // What would put a hook the system removed back: missed key events,
  // a resume, an unlock.
  for (int i = 0; i < 10; ++i) Message(WM_INPUT_MESSAGE, 0, 1);  // odd: a key event
  Advance(2000, "");
  Message(WM_POWERBROADCAST_MESSAGE, PBT_APMRESUMESUSPEND_EVENT);
  Message(WM_WTSSESSION_CHANGE_MESSAGE, WTS_SESSION_UNLOCK_EVENT);
  EXPECT_EQ(Count("InstallKeyboardHook"), 0u);
}

TEST_F(MonitorWindowTest, OnlyTheSecondOfTwoQuickSendsIsAppliedOnce) {
  hook.vrKbStatus = 1;  // in force: every value of the second record differs
  hook.vrKbBrwStatus = 0;
  VrKbChannelRecord first{};
  first.vrKbAsgnsStatus = 1;
  first.vrKbMap.entries[0] = {0xA5, 0x5B};
  mappings.Put(first);
  Message(WM_VRKB_SETTINGS_CHANGED);
  Advance(100, "");
  VrKbChannelRecord second = first;
  second.vrKbAsgnsStatus = 0;
  second.vrKbMap.entries[0] = {0xA3, 0x5D};
  second.vrKbBrwAsgnsStatus = 1;
  second.vrKbBrwMap.entries[0] = {0xA3, 0x7B};
  mappings.Put(second);
  Message(WM_VRKB_SETTINGS_CHANGED);
  log.clear();
  EXPECT_EQ(Advance(2000, "SetVrKbStatus"), (std::vector<uint64_t>{350}));
  EXPECT_EQ(log, (CallLog{"KillTimer(1001)", "SetVrKbStatus(0)", "SetVrKbMap(163)", "SetVrKbBrwStatus(1)",
                          "GetVrKbBrwMap", "SetVrKbBrwMap(163)"}));
}

TEST_F(MonitorWindowTest, ExternalAndSpecialCharacterRecordsAreAppliedInTableOrder) {
  hook.symbStatus = 0;
  ExtKbChannelRecord ext{};
  ext.settings = {0x03, {1, 1, 1, 1, 1}};
  ext.extKbMap.entries[4] = {0xA3, 0x73};
  mappings.Put(ext);
  Message(WM_EXTKB_SETTINGS_CHANGED);
  SymbChannelRecord symb{};
  symb.symbAsgnsStatus = 1;
  symb.symbMap.entries[0] = {2, 0xA1, 0x31};
  mappings.Put(symb);
  Message(WM_SYMB_SETTINGS_CHANGED);
  log.clear();
  Advance(250, "");
  EXPECT_EQ(log, (CallLog{"KillTimer(1002)", "SetExtKbSettings(3,1,1,1,1,1)", "SetExtKbMap(115)",
                          "KillTimer(1003)", "SetSymbStatus(1)", "GetSymbMap", "SetSymbMap(2)"}));
  EXPECT_EQ(window.Cache().symbMap.entries[0].characterChoice, 2u);
}

// A Set writes the registry: what is in force already stays as it is stored.
TEST_F(MonitorWindowTest, OnlyValuesThatDifferFromThoseInForceAreSet) {
  hook.vrKbStatus = 2;
  hook.vrKbMap.entries[0] = {0xA5, 0x5B};
  hook.extKbSettings = {1, 1, 0, 0, 0};
  hook.symbMap.entries[0] = {1, 0xA1, 0x31};
  VrKbChannelRecord vrKb{};
  vrKb.vrKbAsgnsStatus = 2;
  vrKb.vrKbMap = hook.vrKbMap;
  vrKb.vrKbBrwAsgnsStatus = 1;
  mappings.Put(vrKb);
  Message(WM_VRKB_SETTINGS_CHANGED);
  ExtKbChannelRecord ext{};
  ext.settings = {0x03, {1, 0, 1, 1, 1}};  // only the automatic switch differs among the mask
  mappings.Put(ext);
  Message(WM_EXTKB_SETTINGS_CHANGED);
  SymbChannelRecord symb{1, hook.symbMap};
  mappings.Put(symb);
  Message(WM_SYMB_SETTINGS_CHANGED);
  log.clear();
  Advance(250, "");
  EXPECT_EQ(log, (CallLog{"KillTimer(1001)", "GetVrKbBrwMap", "KillTimer(1002)",
                          "SetExtKbSettings(2,1,0,1,1,1)", "KillTimer(1003)", "GetSymbMap"}));
}

TEST_F(MonitorWindowTest, ChannelMessageWithoutAUsableMappingChangesNothing) {
  Message(WM_VRKB_SETTINGS_CHANGED);  // no mapping at all
  mappings.sections["Tavel_SharedMem"].assign(48, 0xFF);
  Message(WM_EXTKB_SETTINGS_CHANGED);  // 48 bytes where 104 are needed
  Advance(1000, "");
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(window.Cache().extKbSettings.mask, 0u);
}

TEST_F(MonitorWindowTest, BurstOfDeviceChangesGivesOneScanFourSecondsAfterTheLast) {
  for (int i = 0; i < 5; ++i) {
    Message(WM_DEVICECHANGE_MESSAGE, DBT_DEVNODES_CHANGED_EVENT);
    EXPECT_TRUE(Advance(1000, "DetectUsbKeyboards").empty());
  }
  EXPECT_EQ(Advance(10000, "DetectUsbKeyboards"), (std::vector<uint64_t>{4000 + 4000}));
}

TEST_F(MonitorWindowTest, OtherDeviceEventsAreIgnored) {
  for (uintptr_t event : {0x8000u, 0x8004u, 0x0006u, 0x0019u}) Message(WM_DEVICECHANGE_MESSAGE, event);
  Advance(10000, "");
  EXPECT_TRUE(log.empty());
}

TEST_F(MonitorWindowTest, ConfigurationChangeRescansAndClosesTheMixer) {
  windows.existing["title:Volume Mixer"] = 42;
  Message(WM_DEVICECHANGE_MESSAGE, DBT_CONFIGCHANGED_EVENT);
  log.clear();
  Advance(4000, "");
  EXPECT_EQ(log, (CallLog{"KillTimer(2001)", "DetectUsbKeyboards", "Find(title:Volume Mixer)",
                          "Post(42,18,0,0)"}));
}

TEST_F(MonitorWindowTest, MixerClosesThreeSecondsAfterTheLastVolumeKey) {
  windows.existing["title:Volume Mixer"] = 42;
  for (int i = 0; i < 3; ++i) {
    Message(WM_ASSIGNED_KEY, 0, 21);
    EXPECT_TRUE(Advance(1000, "Post(42").empty());
  }
  EXPECT_EQ(Advance(10000, "Post(42,18"), (std::vector<uint64_t>{2000 + 3000}));
  EXPECT_EQ(Count("DetectUsbKeyboards"), 1u);
}

TEST_F(MonitorWindowTest, FnRequestNeedsLParamOne) {
  Message(WM_FN_FUNCTION_REQUEST, 241, 0);
  Message(WM_FN_FUNCTION_REQUEST, 249, 1);
  EXPECT_TRUE(log.empty());
  Message(WM_FN_FUNCTION_REQUEST, 241, 1);
  EXPECT_EQ(log, (CallLog{"LoadLibrary", "VirtualNotifyFnFx(5)", "FreeLibrary"}));
}

TEST_F(MonitorWindowTest, AssignedKeyTypesFromTheCachedSpecialCharacterRows) {
  hook.symbMap.entries[1] = {1, 0xA1, 0x32};
  Message(WM_CREATE_MESSAGE);
  log.clear();
  Message(WM_ASSIGNED_KEY, 0, 41);
  EXPECT_EQ(log, (CallLog{"TypeCodeUnit(8364)"}));
}

}  // namespace
}  // namespace tavel::testing
