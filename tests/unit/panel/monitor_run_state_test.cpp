#include "panel/core/monitor_run_state.h"

#include <gtest/gtest.h>

#include "recording_monitor.h"

namespace tavel::panel {
namespace {

using test::Log;

// Nothing needs the hook: assignments off, no durations, browser keys on,
// no complete special-character row.
MonitorNeedSource Idle() { return MonitorNeedSource{0, 0, {}, 1, {}}; }

TEST(MonitorNeededTest, EachSettingThatOnlyTheHookCarriesOutNeedsTheMonitor) {
  EXPECT_FALSE(MonitorNeeded(Idle()));

  struct Case {
    const char* what;
    void (*change)(MonitorNeedSource&);
    bool needed;
  };
  const Case cases[] = {
      {"notebook on", [](MonitorNeedSource& s) { s.vrKbAsgnsStatus = 1; }, true},
      {"notebook 2 is on, as the hook takes it",
       [](MonitorNeedSource& s) { s.vrKbAsgnsStatus = 2; }, true},
      {"external on", [](MonitorNeedSource& s) { s.extKbAsgnsStatus = 1; }, true},
      {"external 2 is not on", [](MonitorNeedSource& s) { s.extKbAsgnsStatus = 2; }, false},
      {"a duration", [](MonitorNeedSource& s) { s.keySensMap.entries[5].minimumPressMs = 200; }, true},
      {"browser keys off", [](MonitorNeedSource& s) { s.vrKbBrwAsgnsStatus = 0; }, true},
      {"complete symbol row",
       [](MonitorNeedSource& s) { s.symbMap.entries[3] = {1, vk::RShift, vk::Digit1}; }, true},
      {"symbol row without second key",
       [](MonitorNeedSource& s) { s.symbMap.entries[3] = {1, vk::RShift, 0}; }, false},
      {"symbol keys without character",
       [](MonitorNeedSource& s) { s.symbMap.entries[0] = {0, vk::RShift, vk::Digit1}; }, false},
  };
  for (const Case& c : cases) {
    MonitorNeedSource s = Idle();
    c.change(s);
    EXPECT_EQ(MonitorNeeded(s), c.needed) << c.what;
  }
}

struct RunStateCase {
  const char* name;
  bool threeWay;
  bool needed;
  bool productEnabled;
  uint32_t detectStatus;
  Log expected;
};

const Log kStart{"svc 129", "run= \"C:\\Tavel\\Tavelmon.exe\"", "Tavelmon"};
const Log kStop{"svc 130", "run deleted", "Tavelmon /x"};

class RunStateTest : public testing::TestWithParam<RunStateCase> {};

TEST_P(RunStateTest, StartsStopsOrLeavesTheMonitor) {
  const RunStateCase& c = GetParam();
  Log log;
  test::RecordingMonitor monitor(log);
  test::ScriptedProductState state;
  state.detectStatus = {c.detectStatus};
  if (c.threeWay) {
    UpdateMonitorRunStateThreeWay(c.needed, c.productEnabled, state, monitor);
  } else {
    UpdateMonitorRunStateTwoWay(c.needed, c.productEnabled, state, monitor);
  }
  EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RunStateTest,
    testing::Values(RunStateCase{"TwoWayNeeded", false, true, true, 0, kStart},
                    RunStateCase{"TwoWayNotNeeded", false, false, true, 0, kStop},
                    RunStateCase{"TwoWayDisabled", false, true, false, 1, kStop},
                    RunStateCase{"TwoWayMakerKeyboardLeaves", false, false, true, 1, {}},
                    RunStateCase{"ThreeWayNeeded", true, true, true, 0, kStart},
                    RunStateCase{"ThreeWayMakerKeyboardStarts", true, false, true, 1, kStart},
                    RunStateCase{"ThreeWayNotNeeded", true, false, true, 0, kStop},
                    RunStateCase{"ThreeWayDisabled", true, true, false, 1, kStop}),
    [](const testing::TestParamInfo<RunStateCase>& info) { return std::string(info.param.name); });

TEST(MonitorRunStateTest, UnknownInstallFolderStillStartsAndStopsTheMonitor) {
  Log log;
  test::RecordingMonitor monitor(log);
  monitor.installDirectory.reset();
  StartMonitor(monitor);
  StopMonitor(monitor);
  EXPECT_EQ(log, (Log{"svc 129", "Tavelmon", "svc 130", "Tavelmon /x"}));
}

}  // namespace
}  // namespace tavel::panel
