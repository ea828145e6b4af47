#include "monitor/actions.h"

#include <gtest/gtest.h>

#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

class ActionsTest : public ::testing::Test {
 protected:
  CallLog log;
  FakeHotkeyLoader hotkeys{log};
  FakeDriver driver{log};
  FakePower power{log};
  FakeServices services{log};
  FakeProcesses processes{log};
  FakeCdDrives drives{log};
  EjectWorker eject{processes, drives};
  FakeWindows windows{log};
  FakeTimers timers{log};
  FakeCharacters characters{log};
  ActionPlatform platform{hotkeys, driver, power, services, eject, windows, timers, processes, characters};
  SymbMap symbMap{};

  CallLog Run(uint32_t action) {
    log.clear();
    ExecuteAction(platform, symbMap, action);
    return log;
  }
  CallLog RunFn(uint32_t code) {
    log.clear();
    ExecuteFnFunction(platform, code);
    return log;
  }
};

const CallLog kVolumeQueries = {"LoadLibrary", "IsVolumeMuteControllable()", "GetVolumeMuteState()",
                                "GetMaxVolumeLevel()", "GetCurrentVolumeLevel()"};

CallLog With(CallLog head, std::initializer_list<std::string> tail) {
  head.insert(head.end(), tail);
  return head;
}

TEST_F(ActionsTest, VolumeSteps) {
  struct Case {
    const char* name;
    uint32_t action, controllable, muted, maximum, level;
    std::initializer_list<std::string> calls;
  };
  const Case cases[] = {
      {"up", 0, 1, 0, 15, 5, {"SetVolumeLevel(6)", "FreeLibrary"}},
      {"up at maximum sets the maximum again", 0, 1, 0, 15, 15, {"SetVolumeLevel(15)", "FreeLibrary"}},
      {"up unmutes first", 0, 1, 1, 15, 15,
       {"EnableVolumeMute(0)", "SetVolumeLevel(15)", "FreeLibrary"}},
      {"down", 1, 1, 0, 15, 5, {"SetVolumeLevel(4)", "FreeLibrary"}},
      {"down at 0 sets 0 and unmutes", 1, 1, 1, 15, 0,
       {"EnableVolumeMute(0)", "SetVolumeLevel(0)", "FreeLibrary"}},
      {"maximum 0 sets nothing but unmutes", 0, 1, 1, 0, 0, {"EnableVolumeMute(0)", "FreeLibrary"}},
      {"muted but not controllable stays muted", 1, 0, 1, 15, 3, {"SetVolumeLevel(2)", "FreeLibrary"}},
      {"only the low byte counts", 0, 1, 0, 0x10F, 0x20E, {"SetVolumeLevel(15)", "FreeLibrary"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    hotkeys.state = {true, c.controllable, c.muted, c.maximum, c.level};
    EXPECT_EQ(Run(c.action), With(kVolumeQueries, c.calls));
  }
}

TEST_F(ActionsTest, MuteOnlyEverMutes) {
  hotkeys.state.muted = 0;
  const CallLog mute = {"LoadLibrary", "IsVolumeMuteControllable()", "EnableVolumeMute(1)", "FreeLibrary"};
  EXPECT_EQ(Run(2), mute);
  EXPECT_EQ(Run(2), mute);
  EXPECT_EQ(hotkeys.state.muted, 1u);

  hotkeys.state.controllable = 0;
  EXPECT_EQ(Run(2), (CallLog{"LoadLibrary", "IsVolumeMuteControllable()", "FreeLibrary"}));
}

TEST_F(ActionsTest, FnNotificationsAndMagnifier) {
  const std::pair<uint32_t, std::string> actions[] = {
      {3, "VirtualNotifyFnFx(24)"}, {6, "VirtualNotifyFnFx(5)"}, {7, "VirtualNotifyFnFx(9)"},
      {8, "RunFullScreenMagnifier()"}};
  for (const auto& [code, call] : actions) {
    EXPECT_EQ(Run(code), (CallLog{"LoadLibrary", call, "FreeLibrary"})) << code;
  }
  const std::pair<uint32_t, std::string> fnCodes[] = {
      {241, "VirtualNotifyFnFx(5)"}, {246, "VirtualNotifyFnFx(24)"}, {247, "VirtualNotifyFnFx(9)"},
      {248, "RunFullScreenMagnifier()"}};
  for (const auto& [code, call] : fnCodes) {
    EXPECT_EQ(RunFn(code), (CallLog{"LoadLibrary", call, "FreeLibrary"})) << code;
  }
}

TEST_F(ActionsTest, UnusableLibraryMakesEveryLibraryActionANoOp) {
  hotkeys.state.installed = false;
  for (uint32_t code : {0u, 1u, 2u, 3u, 6u, 7u, 8u}) EXPECT_TRUE(Run(code).empty()) << code;
}

TEST_F(ActionsTest, StandbyAndHibernate) {
  EXPECT_EQ(Run(4), (CallLog{"EnableShutdownPrivilege", "SetSuspendState(0,0,1)"}));
  const CallLog hibernate = {"EnableShutdownPrivilege", "OpenSCManager(4)", "OpenService(NorvikPMSVC,257)",
                             "ControlService(129)", "CloseServiceHandle(2)", "CloseServiceHandle(1)"};
  EXPECT_EQ(Run(5), hibernate);
  EXPECT_EQ(RunFn(243), hibernate);
  EXPECT_EQ(RunFn(240), (CallLog{"OpenSCManager(4)", "OpenService(NorvikPMSVC,257)", "ControlService(130)",
                                 "CloseServiceHandle(2)", "CloseServiceHandle(1)"}));
}

TEST_F(ActionsTest, DriverTriggerPrefersTheTriggerFeature) {
  EXPECT_TRUE(Run(9).empty());
  driver.values[kFeatureTrigger] = {7, 0};
  driver.values[kFeatureCycle] = {2, 0};
  EXPECT_EQ(Run(9), (CallLog{"DriverSet(8192,0)"}));
  EXPECT_EQ(RunFn(242), (CallLog{"DriverSet(8192,0)"}));
}

TEST_F(ActionsTest, CycleFeatureGoesOneTwoThreeOne) {
  const std::pair<uint8_t, int> steps[] = {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {0xFE, 3}};
  for (const auto& [current, next] : steps) {
    driver.values[kFeatureCycle] = {current, 0};
    EXPECT_EQ(RunFn(242), (CallLog{"DriverSet(16," + std::to_string(next) + ")"})) << int(current);
  }
}

TEST_F(ActionsTest, SteppedFeatureStaysInRangeAndIsAlwaysWritten) {
  EXPECT_TRUE(RunFn(244).empty());
  const struct {
    uint32_t code;
    uint8_t value, maximum;
    int written;
  } cases[] = {{244, 3, 7, 4}, {244, 7, 7, 7}, {245, 3, 7, 2}, {245, 0, 7, 0}};
  for (const auto& c : cases) {
    driver.values[kFeatureStep] = {c.value, c.maximum};
    EXPECT_EQ(RunFn(c.code), (CallLog{"DriverSet(8," + std::to_string(c.written) + ")"}));
  }
}

TEST_F(ActionsTest, UnknownCodesDoNothing) {
  for (uint32_t code : {10u, 19u, 23u, 39u, 46u, 0xFFFFFFFFu}) EXPECT_TRUE(Run(code).empty()) << code;
  for (uint32_t code : {0u, 239u, 249u}) EXPECT_TRUE(RunFn(code).empty()) << code;
}

TEST_F(ActionsTest, EjectOpensEveryCdDoorInLetterOrderOnePassAtATime) {
  drives.mask = (1u << 2) | (1u << 4) | (1u << 5) | (1u << 25);  // C, E, F, Z
  drives.cdRoms = "ZE";
  EXPECT_EQ(Run(20), (CallLog{"Debug:CDEject\n", "StartThread"}));
  EXPECT_EQ(Run(20), (CallLog{"Debug:CDEject\n"}));  // dropped: the first pass still runs
  log.clear();
  processes.RunThreads();
  EXPECT_EQ(log, (CallLog{"OpenDoor(E)", "OpenDoor(Z)"}));
  EXPECT_FALSE(eject.Running());
  EXPECT_EQ(Run(20), (CallLog{"Debug:CDEject\n", "StartThread"}));
}

TEST_F(ActionsTest, EjectIsNotBlockedForGoodWhenNoThreadCanBeStarted) {
  processes.threadsAvailable = false;
  Run(20);
  EXPECT_FALSE(eject.Running());
}

TEST_F(ActionsTest, VolumeMixerIsStartedOrBroughtForwardAndClosesLater) {
  EXPECT_EQ(Run(21), (CallLog{"KillTimer(2001)", "Find(title:Volume Mixer)", "Run(sndvol.exe,5)",
                              "SetTimer(2001,3000)"}));
  windows.existing["title:Volume Mixer"] = 9;
  EXPECT_EQ(Run(22), (CallLog{"KillTimer(2001)", "Find(title:Volume Mixer)", "Foreground(9)",
                              "SetTimer(2001,3000)"}));
}

TEST_F(ActionsTest, SpecialCharacterRows) {
  symbMap.entries[0] = {1, 0xA1, 0x31};  // euro
  symbMap.entries[5] = {11, 0xA1, 0x36};
  symbMap.entries[2] = {12, 0xA1, 0x33};
  EXPECT_EQ(Run(40), (CallLog{"TypeCodeUnit(8364)"}));
  EXPECT_EQ(Run(45), (CallLog{"TypeCodeUnit(" + std::to_string(SpecialCharacter(11)) + ")"}));
  EXPECT_TRUE(Run(41).empty());  // choice 0
  EXPECT_TRUE(Run(42).empty());  // choice 12
}

}  // namespace
}  // namespace tavel::testing
