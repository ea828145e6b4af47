// The hook kept in the chain through session locks, sleep and a silent
// removal by the system. Wine delivers neither session changes nor power
// events, so these handlers are proven here; the end-to-end test posts the
// same messages to the real monitor.
#include "monitor/hook_keeper.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_hook_library.h"
#include "monitor/monitor_messages.h"
#include "monitor_fakes.h"

namespace tavel::testing {
namespace {

constexpr WindowHandle kSelf = 500;
constexpr intptr_t kKeyEvent = 1;    // FakePlatformEvents: odd = keyboard
constexpr intptr_t kMouseEvent = 2;

// A keeper whose window does not exist yet.
class HookKeeperParts : public ::testing::Test {
 protected:
  size_t Reinstalls() const { return std::count(log.begin(), log.end(), "InstallKeyboardHook(500)"); }

  CallLog log;
  FakeHookLibrary hook{log};
  FakePlatformEvents events{log};
  FakeProcesses processes{log};
  FakeTimers timers{log};
  HookKeeper keeper{hook, events, processes, timers};

  void Wait(uint64_t ms) {
    timers.Advance(ms, [&](uint32_t id) {
      if (id == IDT_CHECK_HOOK) keeper.OnCheckTimer();
    });
  }
  size_t HookChecks() const { return std::count(log.begin(), log.end(), "SetTimer(2003,1000)"); }
};

class HookKeeperTest : public HookKeeperParts {
 protected:
  void SetUp() override {
    keeper.Watch(kSelf);
    log.clear();
  }
};

TEST_F(HookKeeperTest, LockUnlockAndResumeInstallTheHookAgain) {
  struct Case {
    const char* what;
    uint32_t message;
    uintptr_t event;
    bool reinstalls;
  } cases[] = {
      {"session locked", WM_WTSSESSION_CHANGE_MESSAGE, WTS_SESSION_LOCK_EVENT, true},
      {"session unlocked", WM_WTSSESSION_CHANGE_MESSAGE, WTS_SESSION_UNLOCK_EVENT, true},
      {"remote connect", WM_WTSSESSION_CHANGE_MESSAGE, 0x3, false},
      {"resumed by the user", WM_POWERBROADCAST_MESSAGE, PBT_APMRESUMESUSPEND_EVENT, true},
      {"resumed automatically", WM_POWERBROADCAST_MESSAGE, PBT_APMRESUMEAUTOMATIC_EVENT, true},
      {"going to sleep", WM_POWERBROADCAST_MESSAGE, 0x4, false},
      {"power status change", WM_POWERBROADCAST_MESSAGE, 0xA, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    if (c.message == WM_WTSSESSION_CHANGE_MESSAGE) keeper.OnSessionChange(c.event);
    else keeper.OnPowerBroadcast(c.event);
    if (c.reinstalls) {
      // Out first, then in again: the library releases what the hook held.
      ASSERT_EQ(log.size(), 3u);
      EXPECT_EQ(log[0], "RemoveKeyboardHook");
      EXPECT_EQ(log[1], "InstallKeyboardHook(500)");
      EXPECT_EQ(log[2].rfind("Debug:Tavelmon: keyboard hook installed again: ", 0), 0u) << log[2];
    } else {
      EXPECT_TRUE(log.empty());
    }
  }
}

TEST_F(HookKeeperTest, AHookThatIsCalledLateIsNotTakenForGone) {
  // A burst: raw input runs ten events ahead, the hook catches up later.
  for (int i = 0; i < 10; ++i) keeper.OnRawInput(kKeyEvent);
  Wait(500);
  hook.hookCalls += 10;
  Wait(600);
  // The hook saw everything before raw input did.
  hook.hookCalls += 10;
  for (int i = 0; i < 10; ++i) keeper.OnRawInput(kKeyEvent);
  Wait(1100);
  EXPECT_EQ(Reinstalls(), 0u);
  EXPECT_EQ(HookChecks(), 2u) << "one check per span, not per event";
}

TEST_F(HookKeeperTest, KeyEventsTheHookDidNotSeeInstallItAgain) {
  keeper.OnRawInput(kMouseEvent);
  Wait(2000);
  EXPECT_EQ(HookChecks(), 0u) << "only key events count";
  // The system removed the hook: raw input goes on, the hook is not called.
  for (uint32_t i = 1; i < HookKeeper::kMissedEventsForReinstall; ++i) keeper.OnRawInput(kKeyEvent);
  Wait(1100);
  EXPECT_EQ(Reinstalls(), 0u) << "fewer events than that may be a hook called before the span";
  for (uint32_t i = 0; i < HookKeeper::kMissedEventsForReinstall; ++i) keeper.OnRawInput(kKeyEvent);
  Wait(999);
  EXPECT_EQ(Reinstalls(), 0u) << "not before the span ends";
  Wait(1);
  EXPECT_EQ(Reinstalls(), 1u);
  EXPECT_EQ(log.back(), "Debug:Tavelmon: keyboard hook installed again: the hook missed key events\n");
  // Installed again, it is called again.
  for (int i = 0; i < 8; ++i) {
    keeper.OnRawInput(kKeyEvent);
    ++hook.hookCalls;
  }
  Wait(1100);
  EXPECT_EQ(Reinstalls(), 1u);
}

TEST_F(HookKeeperParts, RawInputBeforeTheWindowExistsDoesNothing) {
  for (int i = 0; i < 10; ++i) keeper.OnRawInput(kKeyEvent);
  Wait(2000);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace tavel::testing
