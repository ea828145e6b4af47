#include <gtest/gtest.h>

#include <cstring>

#include "monitor/channel_sender.h"
#include "monitor/service_control.h"
#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

TEST(ChannelSender, MonitorCopiesTheRecordWhileTheMappingExists) {
  CallLog log;
  FakeMappings mappings{log};
  FakeWindows windows{log};
  windows.existing["class:TavelmonWndClass"] = 7;
  SymbChannelRecord record{};
  record.symbAsgnsStatus = 1;
  record.symbMap.entries[5] = {11, 0xA1, 0x36};
  SymbChannelRecord received{};
  windows.onSend = [&] { ASSERT_TRUE(mappings.Read("Tavel_SharedMem", &received, sizeof received)); };

  EXPECT_TRUE(SendChannelRecord(mappings, windows, record));
  EXPECT_EQ(log, (CallLog{"CreateMapping(Tavel_SharedMem,76)", "Find(class:TavelmonWndClass)",
                          "Send(7,32772,0,0)", "CloseMapping(Tavel_SharedMem)"}));
  EXPECT_EQ(std::memcmp(&received, &record, sizeof record), 0);
  EXPECT_TRUE(mappings.sections.empty());
}

TEST(ChannelSender, NoMonitorOrNoMappingSendsNothing) {
  CallLog log;
  FakeMappings mappings{log};
  FakeWindows windows{log};
  EXPECT_FALSE(SendChannelRecord(mappings, windows, VrKbChannelRecord{}));
  EXPECT_EQ(log, (CallLog{"CreateMapping(Tavel_SharedMem,48)", "Find(class:TavelmonWndClass)",
                          "CloseMapping(Tavel_SharedMem)"}));
  log.clear();
  mappings.failCreate = true;
  windows.existing["class:TavelmonWndClass"] = 7;
  EXPECT_FALSE(SendChannelRecord(mappings, windows, ExtKbChannelRecord{}));
  EXPECT_EQ(log, (CallLog{"CreateMapping(Tavel_SharedMem,104)"}));
}

TEST(ServiceControl, ClosesWhatWasOpenedOnEveryPath) {
  CallLog log;
  FakeServices services{log};
  services.acceptsCodes = false;
  EXPECT_FALSE(TavelSvcControl(services, 130));
  EXPECT_EQ(log, (CallLog{"OpenSCManager(4)", "OpenService(TavelSVC,257)", "ControlService(130)",
                          "CloseServiceHandle(2)", "CloseServiceHandle(1)"}));
  log.clear();
  services.installed.clear();
  EXPECT_FALSE(TavelSvcControl(services, 129));
  EXPECT_EQ(log, (CallLog{"OpenSCManager(4)", "OpenService(TavelSVC,257)", "CloseServiceHandle(1)"}));
  log.clear();
  services.managerAvailable = false;
  EXPECT_FALSE(PowerServiceControl(services, 129));
  EXPECT_EQ(log, (CallLog{"OpenSCManager(4)"}));
}

}  // namespace
}  // namespace tavel::testing
