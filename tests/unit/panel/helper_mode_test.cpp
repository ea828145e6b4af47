#include "panel/core/helper_mode.h"

#include <gtest/gtest.h>

#include "recording_monitor.h"

namespace tavel::panel {
namespace {

using test::Log;

struct HelperCase {
  const char* name;
  std::deque<uint32_t> detectReads;  // first read, then the re-read
  bool makerKeyboard;
  uint32_t tvkStatus;
  uint32_t svcMnApStatus;
  bool runValueBefore;
  bool installDirKnown;
  Log expected;
};

class HelperModeTest : public testing::TestWithParam<HelperCase> {};

TEST_P(HelperModeTest, SendsCodesAndStartsMonitorWhenWanted) {
  const HelperCase& c = GetParam();
  Log log;
  test::ScriptedProductState state;
  state.detectStatus = c.detectReads;
  state.makerKeyboard = c.makerKeyboard;
  state.tvkStatus = c.tvkStatus;
  state.svcMnApStatus = c.svcMnApStatus;
  test::RecordingMonitor monitor(log);
  monitor.runValue = c.runValueBefore;
  if (!c.installDirKnown) monitor.installDirectory.reset();

  RunHelperMode(state, monitor);
  EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decisions, HelperModeTest,
    testing::Values(
        HelperCase{"MakerKeyboardFoundNow", {0, 0}, true, 0, 1, false, true,
                   {"svc 140", "svc 141", "svc 129", "run= \"C:\\Tavel\\Tavelmon.exe\"", "Tavelmon"}},
        HelperCase{"AlreadyDetected", {1, 1}, false, 0, 1, false, true,
                   {"svc 140", "svc 129", "run= \"C:\\Tavel\\Tavelmon.exe\"", "Tavelmon"}},
        // Without an installation folder the monitor still starts, but no
        // logon start is recorded, so a watching service is told to stop.
        HelperCase{"NoInstallFolder", {1, 1}, false, 0, 1, false, false,
                   {"svc 140", "svc 129", "Tavelmon"}},
        HelperCase{"NoInstallFolderServiceForgotKeyboard", {1, 0}, false, 0, 1, false, false,
                   {"svc 140", "svc 129", "Tavelmon", "svc 130"}},
        HelperCase{"ProductDisabled", {1, 1}, false, 1, 1, false, true, {"svc 140", "svc 130"}},
        HelperCase{"NoKeyboardServiceWatching", {0, 0}, false, 0, 1, false, true,
                   {"svc 140", "svc 130"}},
        HelperCase{"NoKeyboardServiceIdle", {0, 0}, false, 0, 0, false, true, {"svc 140"}},
        HelperCase{"RunValuePresentNeverStops", {0, 0}, false, 1, 1, true, true, {"svc 140"}},
        // Detection status other than 1 tells of a keyboard but starts nothing.
        HelperCase{"DetectStatusTwo", {2, 2}, false, 0, 1, false, true, {"svc 140"}}),
    [](const testing::TestParamInfo<HelperCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavel::panel
