// Right Alt (or another key) acting as the Windows key: what is injected on
// press and on each kind of release.
#include "hook/synth_modifier_table.h"
#include "tests/unit/hook/hook_engine_fixture.h"

namespace tavel::test {
namespace {

class WindowsKeyTest : public HookEngineTest {
 protected:
  void SetUp() override { EnableNotebookAssignments({0xA5, 0x5B}); }
};

TEST_F(WindowsKeyTest, RightAltAloneIsAWindowsKeyTap) {
  EXPECT_TRUE(Down(kRightAlt));
  EXPECT_TRUE(Down(kRightAlt));  // auto-repeat adds nothing
  EXPECT_TRUE(Up(kRightAlt));
  EXPECT_EQ((Strings{"5B down", "A5 up", "5B up"}), Injected());
  EXPECT_TRUE(PassedPhysical().empty());
}

TEST_F(WindowsKeyTest, ReleasesByKeyPressedInBetween) {
  struct Case {
    const char* name;
    Key between;
    Strings injected;
    bool locks;
  } cases[] = {
      {"Up: Shift tap hides the release from the shell", kUp, {"5B down", "A0 down", "A0 up", "5B up"}, false},
      {"F4: the swallowed Alt is released too", kF4, {"5B down", "A0 down", "A0 up", "5B up", "A5 up"}, false},
      {"L: locks", kL, {"5B down", "A0 down", "A0 up", "5B up"}, true},
      {"other key: plain release", {0x45, 0x12, 0}, {"5B down", "A5 up", "5B up"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    input.TakeLog();
    Down(kRightAlt);
    Tap(c.between);
    Up(kRightAlt);
    EXPECT_EQ(c.injected, Injected());
    EXPECT_EQ(c.locks ? 1u : 0u, Logged("lock").size());
    EXPECT_FALSE(SynthModifierDown(state.synthModifiers, 0xA5));
  }
}

TEST_F(WindowsKeyTest, InjectsWithTheNotationsScanAndFlags) {
  KeyEvent down{kWmSysKeyDown, 0xA5, 0x38, 0x01, 0, 0x77};
  input.Send(down);
  ASSERT_EQ(1u, input.Injections().size());
  const auto& press = input.Injections()[0];
  EXPECT_EQ(0x5B, press.vk);
  EXPECT_EQ(0x5B, press.scan);
  EXPECT_EQ(0x01u, press.flags);
  EXPECT_EQ(uintptr_t{0x77}, press.extraInfo);
  input.Send(KeyEvent{kWmKeyUp, 0xA5, 0x38, 0x81, 0, 0x77});
  EXPECT_EQ(0x83u, input.Injections().back().flags);  // the event's up bit stays
}

TEST_F(WindowsKeyTest, AltGrSequenceReleasesInOrder) {
  struct Case {
    const char* name;
    bool withUp;
    Strings atRelease;
  } cases[] = {
      {"with Up", true, {"A0 down", "A0 up", "5B up", "A5 up", "A2 up", "5B up"}},
      {"alone", false, {"A5 up", "A2 up", "5B up"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    input.TakeLog();
    EXPECT_TRUE(Down(kAltGrCtrl));
    EXPECT_TRUE(Down(kRightAlt));
    EXPECT_EQ(Strings{"5B down"}, Injected());
    if (c.withUp) {
      EXPECT_FALSE(Down(kUp));
      EXPECT_FALSE(Up(kUp));
    }
    EXPECT_TRUE(Up(kAltGrCtrl));
    input.TakeLog();
    EXPECT_TRUE(Up(kRightAlt));
    EXPECT_EQ(c.atRelease, Injected());
  }
}

TEST_F(WindowsKeyTest, EntryNamingItselfIsInert) {
  EnableNotebookAssignments({0xA5, 0xA5}, {0xA5, 0xA5});
  EXPECT_FALSE(Down(kAltGrCtrl));
  EXPECT_FALSE(Down(kRightAlt));
  EXPECT_FALSE(Up(kRightAlt));
  EXPECT_TRUE(Injected().empty());
  EXPECT_EQ((Strings{"A2 down", "A5 down", "A5 up"}), PassedPhysical());
}

TEST_F(WindowsKeyTest, EntryWithoutEmulatedKeyInjectsNothing) {
  EnableNotebookAssignments({0xA5, 0x00}, {0xA3, 0x00});
  EXPECT_FALSE(Down(kRightAlt));
  EXPECT_FALSE(Up(kRightAlt));
  EXPECT_FALSE(Down(kRightCtrl));
  EXPECT_FALSE(Up(kRightCtrl));
  EXPECT_TRUE(Injected().empty()) << "no key 00 is pressed (found by fuzzing)";
}

TEST_F(WindowsKeyTest, KoreanRightAltActsAsRightAlt) {
  EXPECT_TRUE(Down(kKoreanRightAlt));
  EXPECT_TRUE(Up(kKoreanRightAlt));
  EXPECT_EQ((Strings{"5B down", "A5 up", "5B up"}), Injected());
}

TEST_F(WindowsKeyTest, HeldAltIsReleasedForTheKeyAfterTab) {
  EnableNotebookAssignments({0xA4, 0x5B});
  Down(kLeftAlt);
  Tap(kTab);
  input.TakeLog();
  EXPECT_FALSE(Down({0x45, 0x12, 0}));
  EXPECT_EQ(Strings{"A4 up"}, Injected());
  Down(kLeftAlt);
  Tap(kTab);
  input.TakeLog();
  Down(kEnter);  // Enter after Tab releases twice
  EXPECT_EQ((Strings{"A4 up", "A4 up"}), Injected());
}

// The releases that must wait for the shell happen after the hook has
// returned, on the hook's thread, with the same events in the same order.
TEST_F(WindowsKeyTest, UtilityManagerReleaseIsDeferred) {
  Down(kRightAlt);
  EXPECT_TRUE(Down(kU));  // Windows+U must not type a 'u'
  Up(kU);
  input.TakeLog();
  EXPECT_TRUE(Up(kRightAlt));
  EXPECT_EQ(Strings{"utilman"}, input.TakeLog());
  EXPECT_EQ(1u, input.PendingContinuations());
  input.Advance(1199);
  EXPECT_TRUE(input.Log().empty());
  input.Advance(1);
  EXPECT_EQ((Strings{"A0 down", "A0 up", "5B up"}), Injected());
  EXPECT_EQ(0u, input.PendingContinuations());
}

TEST_F(WindowsKeyTest, CtrlBreakReleaseIsDeferred) {
  EnableNotebookAssignments({0xA3, 0x5B});
  Down(kRightCtrl);
  Tap(kCancel);
  input.TakeLog();
  EXPECT_TRUE(Up(kRightCtrl));
  EXPECT_EQ((Strings{"13 down", "13 up"}), Injected());
  input.TakeLog();
  input.Advance(999);
  EXPECT_TRUE(Injected().empty());
  input.Advance(1);
  EXPECT_EQ((Strings{"A0 down", "A0 up", "5B up"}), Injected());
}

TEST_F(WindowsKeyTest, AltGrUtilityManagerReleaseIsDeferred) {
  Down(kAltGrCtrl);
  Down(kRightAlt);
  Tap(kU);
  Up(kAltGrCtrl);
  input.TakeLog();
  EXPECT_TRUE(Up(kRightAlt));
  EXPECT_EQ(Strings{"utilman"}, input.TakeLog());
  // The physical key is up at once; only the injected release waits.
  EXPECT_FALSE(SynthModifierDown(state.synthModifiers, 0xA5));
  input.Advance(1200);
  EXPECT_EQ((Strings{"A0 down", "A0 up", "5B up", "A5 up", "A2 up", "5B up"}), Injected());
}

}  // namespace
}  // namespace tavel::test
