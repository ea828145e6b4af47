// A key acting as the Application key, and which keys the filter leaves to
// an assignment.
#include "tests/unit/hook/hook_engine_fixture.h"

namespace tavel::test {
namespace {

TEST_F(HookEngineTest, ApplicationKeyTapsOnRelease) {
  EnableNotebookAssignments({}, {0xA5, 0x5D});
  EXPECT_TRUE(Down(kRightAlt));
  EXPECT_TRUE(Injected().empty());
  EXPECT_TRUE(Up(kRightAlt));
  EXPECT_EQ((Strings{"5D down", "5D up"}), Injected());
  input.TakeLog();
  Down(kRightAlt);
  Tap(kDigit1);  // a combination, not a tap
  Up(kRightAlt);
  EXPECT_TRUE(Injected().empty());
}

TEST_F(HookEngineTest, ShiftAsApplicationKeyStillShifts) {
  EnableNotebookAssignments({}, {0xA1, 0x5D});
  EXPECT_FALSE(Down(kRightShift));
  EXPECT_FALSE(Up(kRightShift));
  EXPECT_EQ((Strings{"inject 5D down", "pass* 5D down", "inject 5D up", "pass* 5D up", "pass A1 up"}),
            Strings(input.Log().begin() + 1, input.Log().end()));
  input.TakeLog();
  Down(kRightShift);
  Tap(kDigit1);
  Up(kRightShift);
  EXPECT_TRUE(Injected().empty());
}

TEST_F(HookEngineTest, AltGrApplicationKeyCombination) {
  EnableNotebookAssignments({}, {0xA5, 0x5D});
  Down(kAltGrCtrl);
  Down(kRightAlt);
  Tap(kUp);
  Up(kAltGrCtrl);
  EXPECT_TRUE(Up(kRightAlt));  // Up two events back: a combination
  EXPECT_TRUE(Injected().empty());
}

TEST_F(HookEngineTest, KeyClaimedByAssignment) {
  EnableExternalDefaults();
  state.vrKbBrwMap.entries[kBrwVolumeUp] = {0xA2, 0xA6};
  const KeyEvent f4Down{kWmKeyDown, 0x73, 0x3E, 0, 0, 0};
  const KeyEvent f4Up{kWmKeyUp, 0x73, 0x3E, kKeyFlagUp, 0, 0};
  const KeyEvent backDown{kWmKeyDown, 0xA6, 0x6A, 0x01, 0, 0};
  const KeyEvent backUp{kWmKeyUp, 0xA6, 0x6A, 0x81, 0, 0};
  const KeyEvent escDown{kWmKeyDown, 0x1B, 0x01, 0, 0, 0};

  EXPECT_FALSE(engine.KeyClaimedByAssignment(f4Down));  // right Ctrl not held
  Down(kRightCtrl);
  EXPECT_TRUE(engine.KeyClaimedByAssignment(f4Down));
  EXPECT_FALSE(engine.KeyClaimedByAssignment(f4Up));
  Up(kRightCtrl);

  EXPECT_FALSE(engine.KeyClaimedByAssignment(backDown));
  Down(kLeftCtrl);
  EXPECT_TRUE(engine.KeyClaimedByAssignment(backDown));
  EXPECT_FALSE(engine.KeyClaimedByAssignment(backUp));
  Up(kLeftCtrl);

  state.vrKbBrwStatus = 0;  // browser keys disabled: always theirs
  EXPECT_TRUE(engine.KeyClaimedByAssignment(backUp));
  EXPECT_FALSE(engine.KeyClaimedByAssignment(escDown));

  EnableNotebookAssignments({0xA5, 0x5B});
  Down(kRightAlt);  // any key while the emulated Windows key is held
  EXPECT_TRUE(engine.KeyClaimedByAssignment(escDown));
}

}  // namespace
}  // namespace tavel::test
