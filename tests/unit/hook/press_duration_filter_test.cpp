#include <cstdint>
#include <vector>

#include "tests/unit/hook/hook_engine_fixture.h"

namespace tavel::test {
namespace {

constexpr uint32_t kRepeatMs = 33;

class PressDurationFilterTest : public HookEngineTest {
 protected:
  void SetThreshold(uint32_t vk, uint32_t ms) {
    for (KeySensEntry& row : state.keySensMap.entries) {
      if (row.key == vk) row.minimumPressMs = ms;
    }
  }
  // Holds the key for `holdMs` with auto-repeat; returns the times (since the
  // first key-down) of the key-downs that got through.
  std::vector<uint32_t> Hold(Key k, uint32_t holdMs) {
    std::vector<uint32_t> passed;
    for (uint32_t t = 0; t < holdMs; t += kRepeatMs) {
      if (!Down(k)) passed.push_back(t);
      input.Advance(kRepeatMs);
    }
    return passed;
  }

  void SetUp() override {
    const uint32_t keys[] = {0x1B, 0x70, 0x09, 0x14, 0xA6, 0xA7};
    for (size_t i = 0; i < KeySensMap::kEntries; ++i) state.keySensMap.entries[i] = {keys[i], 0};
  }
};

TEST_F(PressDurationFilterTest, HeldKeyRepeatsOncePerDuration) {
  SetThreshold(0x1B, 400);
  // Downs every 33 ms: the first at or after 400 ms is at 429; the timer
  // restarts at the next down (462) and lets one through at 891.
  EXPECT_EQ(Hold(kEsc, 1000), (std::vector<uint32_t>{429, 891}));
  EXPECT_FALSE(Up(kEsc));
}

TEST_F(PressDurationFilterTest, BriefTouchVanishesAndTheTimerStartsAfresh) {
  SetThreshold(0x1B, 200);
  EXPECT_TRUE(Down(kEsc));
  input.Advance(100);
  EXPECT_FALSE(Up(kEsc));
  input.Advance(500);
  EXPECT_TRUE(Down(kEsc));  // a new press measures from its own start
  EXPECT_EQ(Strings{"1B up"}, PassedPhysical());
}

TEST_F(PressDurationFilterTest, SurvivesTickCountWrap) {
  SetThreshold(0x1B, 400);
  input.Advance(UINT32_MAX - input.Now() - 100);  // 100 ms before the wrap
  EXPECT_TRUE(Down(kEsc));
  input.Advance(300);
  EXPECT_TRUE(Down(kEsc));
  input.Advance(100);
  EXPECT_FALSE(Down(kEsc));
}

TEST_F(PressDurationFilterTest, StandsAsideWhenNotInForce) {
  struct Case {
    const char* name;
    uint32_t status;
    uint32_t threshold;
  } cases[] = {
      {"filter off", kKeySensOff, 800},
      {"key test running", kKeySensKeyTestRunning, 800},
      {"duration 0", kKeySensOn, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.keySensStatus = c.status;
    SetThreshold(0x1B, c.threshold);
    EXPECT_FALSE(Down(kEsc));
    EXPECT_FALSE(Up(kEsc));
  }
}

TEST_F(PressDurationFilterTest, LeavesKeysOfAnAssignmentAlone) {
  // Right Ctrl + F1 is the branded button; the F1 filter must not eat it.
  EnableExternalDefaults();
  SetThreshold(0x70, 800);
  Down(kRightCtrl);
  EXPECT_TRUE(Down(kF1));
  EXPECT_EQ((std::vector<uint32_t>{kExtBrandedButton}), input.PostedActions());
  Up(kF1);
  Up(kRightCtrl);
  EXPECT_TRUE(Down(kF1));  // alone, F1 is filtered again
}

TEST_F(PressDurationFilterTest, InjectedBrowserKeysOnlyWhenMarkedExtended) {
  SetThreshold(0xA6, 400);
  KeyEvent plain{kWmKeyDown, 0xA6, 0, kKeyFlagInjected, 0, 0};
  EXPECT_FALSE(input.Send(plain));
  KeyEvent extended{kWmKeyDown, 0xA6, 0, kKeyFlagInjected | kKeyFlagExtended, 0, 0};
  EXPECT_TRUE(input.Send(extended));
  input.Advance(400);
  extended.time = input.Now();
  EXPECT_FALSE(engine.Process(extended));
  EXPECT_EQ(kKeyFlagInjected, extended.flags);  // passed on without the mark
}

}  // namespace
}  // namespace tavel::test
