#include "monitor/program_start.h"

#include <gtest/gtest.h>

#include "monitor/command_line.h"
#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

struct CommandLineCase {
  std::vector<std::string> args;
  StartKind kind;
  bool switchDesktop;
  std::string desktop;
};

TEST(CommandLine, EveryForm) {
  const CommandLineCase cases[] = {
      {{}, StartKind::Normal, false, ""},
      {{""}, StartKind::Normal, false, ""},
      {{"", "/x"}, StartKind::Normal, false, ""},
      {{"/x"}, StartKind::StopCurrent, false, ""},
      {{"/X"}, StartKind::StopCurrent, false, ""},
      {{"-x"}, StartKind::StopCurrent, false, ""},
      {{"-X", "Default"}, StartKind::StopCurrent, false, ""},
      {{"/y"}, StartKind::ServiceStart, true, "/y"},
      {{"Winlogon"}, StartKind::ServiceStart, true, "Winlogon"},
      {{"Winlogon", "-X"}, StartKind::RemoteStop, true, "Winlogon"},
      {{"Winlogon", "/xx"}, StartKind::Normal, true, "Winlogon"},
      {{"Winlogon", "/x", "more"}, StartKind::Normal, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const StartRequest r = ParseCommandLine(c.args);
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.switchDesktop, c.switchDesktop);
    EXPECT_EQ(r.desktopName, c.desktop);
  }
}

class ProgramStartTest : public ::testing::Test {
 protected:
  CallLog log;
  FakeDesktop desktop{log};
  FakeWindows windows{log};
  FakeServices services{log};
  uint32_t svcMnApStatus = 0;
  ProgramStartParts parts{desktop, windows, services, [this] {
                            log.push_back("ReadSvcMnApStatus");
                            return svcMnApStatus;
                          }};
  void MonitorRuns() { windows.existing["class:TavelmonWndClass"] = 77; }
};

TEST_F(ProgramStartTest, StopSwitchPostsQuitToTheRunningMonitorOnly) {
  MonitorRuns();
  EXPECT_EQ(StartMonitor({"/X"}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"Find(class:TavelmonWndClass)", "Post(77,18,0,0)",
                          "WaitUntilGone(77,5000)"}));
}

TEST_F(ProgramStartTest, StopSwitchWithNoMonitorExitsQuietly) {
  EXPECT_EQ(StartMonitor({"/x"}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"Find(class:TavelmonWndClass)"}));
}

TEST_F(ProgramStartTest, ServiceCodeIsSentBeforeTheOneMonitorPerDesktopExit) {
  MonitorRuns();
  EXPECT_EQ(StartMonitor({}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"ReadSvcMnApStatus", "OpenSCManager(4)", "OpenService(TavelSVC,257)",
                          "ControlService(129)", "CloseServiceHandle(2)", "CloseServiceHandle(1)",
                          "Find(class:TavelmonWndClass)"}));
}

TEST_F(ProgramStartTest, NormalStartWhileTheServiceLooksAfterMonitorsSendsNothing) {
  svcMnApStatus = 1;
  EXPECT_EQ(StartMonitor({}, parts), StartOutcome::RunWindow);
  EXPECT_EQ(log, (CallLog{"ReadSvcMnApStatus", "Find(class:TavelmonWndClass)"}));
}

TEST_F(ProgramStartTest, ServiceStartRunsOnlyWhileTheServiceLooksAfterMonitors) {
  EXPECT_EQ(StartMonitor({"Winlogon"}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"SwitchDesktop(Winlogon)", "ReadSvcMnApStatus"}));

  log.clear();
  svcMnApStatus = 1;
  EXPECT_EQ(StartMonitor({"Winlogon"}, parts), StartOutcome::RunWindow);
  EXPECT_EQ(log, (CallLog{"SwitchDesktop(Winlogon)", "ReadSvcMnApStatus",
                          "Find(class:TavelmonWndClass)"}));
}

TEST_F(ProgramStartTest, RemoteStopStopsTheMonitorOfTheNamedDesktop) {
  MonitorRuns();
  EXPECT_EQ(StartMonitor({"Winlogon", "/x"}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"SwitchDesktop(Winlogon)", "Find(class:TavelmonWndClass)",
                          "Post(77,18,0,0)", "WaitUntilGone(77,5000)"}));
}

TEST_F(ProgramStartTest, DesktopThatCannotBeEnteredEndsTheStart) {
  desktop.opens = false;
  MonitorRuns();
  EXPECT_EQ(StartMonitor({"Nowhere", "/x"}, parts), StartOutcome::Exit);
  EXPECT_EQ(StartMonitor({"a", "b", "c"}, parts), StartOutcome::Exit);
  EXPECT_EQ(log, (CallLog{"SwitchDesktop(Nowhere)", "SwitchDesktop()"}));
}

TEST_F(ProgramStartTest, OverlongDesktopNameIsRefusedNotCut) {
  EXPECT_EQ(StartMonitor({std::string(260, 'd')}, parts), StartOutcome::Exit);
  EXPECT_TRUE(log.empty());
  svcMnApStatus = 1;
  EXPECT_EQ(StartMonitor({std::string(259, 'd')}, parts), StartOutcome::RunWindow);
}

}  // namespace
}  // namespace tavel::testing
