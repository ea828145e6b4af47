// Nothing stays held: a key the engine pressed in place of another is let go
// when that key comes up, whatever changed in between, and everything it
// holds can be let go at once (session lock, hook re-installed). Found by
// fuzzing the engine with settings changing under held keys.
#include "hook/synth_modifier_table.h"
#include "tests/unit/hook/hook_engine_fixture.h"

namespace tavel::test {
namespace {

class HeldKeysTest : public HookEngineTest {
 protected:
  void SetUp() override { EnableNotebookAssignments({0xA5, 0x5B}); }
  bool RightAltMarkedHeld() const { return SynthModifierDown(state.synthModifiers, 0xA5); }
};

TEST_F(HeldKeysTest, ReleaseWhileTheRulesNoLongerApplyStillLetsGo) {
  struct Case {
    const char* what;
    void (*change)(SharedHookState&);
  } cases[] = {
      {"notebook assignments switched off", [](SharedHookState& s) { s.vrKbStatus = 0; }},
      {"key test started", [](SharedHookState& s) { s.keySensStatus = kKeySensKeyTestRunning; }},
      {"another key became the Windows key", [](SharedHookState& s) { s.vrKbMap.entries[0] = {0xA4, 0x5B}; }},
      {"the release is a special-character combination",
       [](SharedHookState& s) { s.symbMap.entries[0] = {1, 0xA0, 0xA5}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EnableNotebookAssignments({0xA5, 0x5B});
    state.keySensStatus = kKeySensOn;
    state.symbMap = {};
    input.TakeLog();
    Down(kLeftShift);
    Down(kRightAlt);
    c.change(state);
    Up(kRightAlt);
    Up(kLeftShift);
    const Strings injected = Injected();
    ASSERT_FALSE(injected.empty());
    EXPECT_EQ("5B down", injected.front());
    EXPECT_EQ("5B up", injected.back());
    EXPECT_FALSE(RightAltMarkedHeld());
  }
}

TEST_F(HeldKeysTest, TheKeyPressedIsTheKeyReleasedWhenTheAssignmentChanges) {
  EnableNotebookAssignments({0x74, 0x5B});  // F5, which has no held flag and repeats
  Down({0x74, 0x3F, 0});
  state.vrKbMap.entries[0].emulatedKey = 0x5D;
  Down({0x74, 0x3F, 0});  // auto-repeat under the new assignment
  Up({0x74, 0x3F, 0});
  EXPECT_EQ((Strings{"5B down", "5B up", "5D down", "5D up"}), Injected());
}

TEST_F(HeldKeysTest, ReleaseInjectedKeysLetsGoOfEverything) {
  Down(kRightAlt);
  state.koreanRightCtrlDown = 1;
  input.TakeLog();
  engine.ReleaseInjectedKeys();
  EXPECT_EQ((Strings{"5B up"}), Injected());
  EXPECT_FALSE(RightAltMarkedHeld());
  EXPECT_EQ(0u, state.koreanRightCtrlDown);
  // The physical release that follows (on the normal desktop again) adds
  // nothing stuck: at most a second release.
  Up(kRightAlt);
  EXPECT_FALSE(RightAltMarkedHeld());
  input.TakeLog();
  engine.ReleaseInjectedKeys();
  EXPECT_TRUE(Injected().empty()) << "nothing is held any more";
}

TEST_F(HeldKeysTest, FlagsLeftByAnEndedMonitorAreCleared) {
  SetSynthModifierDown(state.synthModifiers, 0xA5, true);  // shared state outlives a crash
  engine.ReleaseInjectedKeys();
  EXPECT_FALSE(RightAltMarkedHeld());
  EXPECT_TRUE(Down(kRightAlt));
  EXPECT_EQ((Strings{"5B down"}), Injected()) << "the first press is not taken for a repeat";
}

}  // namespace
}  // namespace tavel::test
