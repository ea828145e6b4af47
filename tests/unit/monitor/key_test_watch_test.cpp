// A configuration program that ends during its key test: the monitor puts
// the status from before the test back, and only then.
#include "monitor/key_test_watch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_hook_library.h"
#include "monitor/monitor_messages.h"
#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

constexpr WindowHandle kSelf = 500;
constexpr uint32_t kPanel = 1234;
constexpr uint32_t kOtherPanel = 4321;

class KeyTestWatchTest : public ::testing::Test {
 protected:
  // What a program's SetKeySensStatus(2) does: the notice, then the status.
  void StartTest(uint32_t processId) {
    const uint32_t before = hook.keySensStatus;
    watch.OnStarted(kSelf, processId, before);
    hook.keySensStatus = kKeySensKeyTestRunning;
  }
  // The watcher thread's message, as the window receives it.
  void End(uint32_t processId) {
    processes.running.erase(processId);
    for (const auto& w : processes.watches) {
      if (w.processId == processId) {
        EXPECT_EQ(w.window, kSelf);
        EXPECT_EQ(w.message, WM_KEY_TEST_PROGRAM_ENDED);
        watch.OnProgramEnded(processId);
      }
    }
  }
  size_t Sets() const {
    return std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("SetKeySensStatus", 0) == 0; });
  }

  CallLog log;
  FakeHookLibrary hook{log};
  FakeProcesses processes{log};
  KeyTestWatch watch{hook, processes};
};

TEST_F(KeyTestWatchTest, ProgramKilledDuringTheTestGetsTheStatusBack) {
  for (uint32_t before : {kKeySensOn, kKeySensOff}) {
    SCOPED_TRACE(before);
    hook.keySensStatus = before;
    processes.running = {kPanel};
    processes.watches.clear();
    StartTest(kPanel);
    End(kPanel);
    EXPECT_EQ(hook.keySensStatus, before);
  }
}

TEST_F(KeyTestWatchTest, TestEndedNormallyIsLeftAlone) {
  processes.running = {kPanel};
  StartTest(kPanel);
  hook.keySensStatus = kKeySensOn;  // the program put it back
  End(kPanel);
  EXPECT_EQ(Sets(), 0u);
}

TEST_F(KeyTestWatchTest, OneWatchPerProgramHoweverManyTests) {
  processes.running = {kPanel};
  for (int i = 0; i < 5; ++i) {
    StartTest(kPanel);
    hook.keySensStatus = kKeySensOn;
  }
  EXPECT_EQ(processes.watches.size(), 1u);
  StartTest(kPanel);
  End(kPanel);
  EXPECT_EQ(hook.keySensStatus, kKeySensOn);
}

TEST_F(KeyTestWatchTest, ProgramGoneBeforeItCouldBeWatched) {
  // The program set the status and was killed before the monitor got to its
  // notice: it cannot be opened any more.
  hook.keySensStatus = kKeySensKeyTestRunning;
  watch.OnStarted(kSelf, kPanel, kKeySensOn);
  EXPECT_EQ(hook.keySensStatus, kKeySensOn);
  EXPECT_TRUE(processes.watches.empty());
}

TEST_F(KeyTestWatchTest, AnEarlierProgramEndingLeavesALaterTestAlone) {
  processes.running = {kPanel, kOtherPanel};
  StartTest(kPanel);
  hook.keySensStatus = kKeySensOn;
  StartTest(kOtherPanel);
  End(kPanel);
  EXPECT_EQ(hook.keySensStatus, kKeySensKeyTestRunning);
  End(kOtherPanel);
  EXPECT_EQ(hook.keySensStatus, kKeySensOn);
}

TEST_F(KeyTestWatchTest, TestStartedDuringATestRestoresFiltering) {
  processes.running = {kPanel};
  hook.keySensStatus = kKeySensKeyTestRunning;  // left over
  StartTest(kPanel);
  End(kPanel);
  EXPECT_EQ(hook.keySensStatus, kKeySensOn);
}

}  // namespace
}  // namespace tavel::testing
