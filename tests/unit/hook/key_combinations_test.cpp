// Combinations that become actions of the monitor: special characters,
// external-keyboard functions, the browser-key switch, notebook eject and
// volume.
#include <vector>

#include "tests/unit/hook/hook_engine_fixture.h"

namespace tavel::test {
namespace {

using Actions = std::vector<uint32_t>;

TEST_F(HookEngineTest, VolumeRepeatsWhileHeldButStandbyFiresOnce) {
  EnableExternalDefaults();
  Down(kRightCtrl);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Down(kUp));
  EXPECT_TRUE(Up(kUp));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Down(kF4));
  EXPECT_TRUE(Up(kF4));
  Up(kRightCtrl);
  EXPECT_EQ((Actions{0, 0, 0, 4}), input.PostedActions());
  EXPECT_EQ((Strings{"A3 down", "A3 up"}), PassedPhysical());
}

TEST_F(HookEngineTest, ExternalFunctionsNeedTheirConditions) {
  struct Case {
    const char* name;
    ExtKbSettings settings;
    bool keyTest;
    bool injected;
    bool posts;
  } cases[] = {
      {"in force", {1, 0, 0, 0, 0}, false, false, true},
      {"auto, USB keyboard attached", {1, 1, 1, 0, 0}, false, false, true},
      {"auto, no USB keyboard", {1, 1, 0, 0, 0}, false, false, false},
      {"maker's keyboard attached", {1, 0, 1, 0, 1}, false, false, false},
      {"key test running", {1, 0, 0, 0, 0}, true, false, false},
      {"injected key", {1, 0, 0, 0, 0}, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SharedHookState fresh = InitialSharedHookState();
    state = fresh;
    EnableExternalDefaults();
    state.extKbSettings = c.settings;
    state.keySensStatus = c.keyTest ? kKeySensKeyTestRunning : kKeySensOn;
    Down(kRightCtrl);
    const size_t before = input.Posted().size();
    const uint32_t flags = c.injected ? kKeyFlagInjected : 0;
    const bool swallowed = input.Send(KeyEvent{kWmKeyDown, kF4.vk, kF4.scan, flags, 0, 0});
    EXPECT_EQ(c.posts, swallowed);
    EXPECT_EQ(c.posts ? before + 1 : before, input.Posted().size());
    Up(kF4);
    Up(kRightCtrl);
  }
}

TEST_F(HookEngineTest, ZeroFirstKeyNeverMatches) {
  state.extKbMap.entries[0] = {0, kUp.vk};
  state.extKbSettings = {1, 0, 0, 0, 0};
  EXPECT_FALSE(Down(kUp));
  EXPECT_TRUE(input.Posted().empty());
}

TEST_F(HookEngineTest, KoreanRightAltCountsAsHeldRightAlt) {
  state.extKbMap.entries[2] = {0xA5, kUp.vk};
  state.extKbSettings = {1, 0, 0, 0, 0};
  Down(kKoreanRightAlt);
  EXPECT_TRUE(Down(kUp));
  Up(kUp);
  Up(kKoreanRightAlt);
  EXPECT_FALSE(Down(kUp));
  EXPECT_EQ((Actions{2}), input.PostedActions());
}

TEST_F(HookEngineTest, SpecialCharacterRepeatsAndSwallowsItsRelease) {
  state.symbMap.entries[0] = {0, 0xA0, kDigit1.vk};  // empty row: never matches
  state.symbMap.entries[3] = {5, 0xA0, kDigit1.vk};
  Down(kLeftShift);
  EXPECT_TRUE(Down(kDigit1));
  EXPECT_TRUE(Down(kDigit1));
  EXPECT_TRUE(Up(kDigit1));
  EXPECT_FALSE(input.Send(KeyEvent{kWmKeyDown, kDigit1.vk, 0, kKeyFlagInjected, 0, 0}));
  Up(kLeftShift);
  EXPECT_FALSE(Down(kDigit1));
  EXPECT_EQ((Actions{43, 43}), input.PostedActions());
  state.symbStatus = 0;
  Down(kLeftShift);
  EXPECT_FALSE(Down(kDigit1));
}

TEST_F(HookEngineTest, DisabledBrowserKeysNeverReachApplications) {
  state.vrKbBrwStatus = 0;
  Tap(kBrowserBack);
  Tap({0xA7, 0x69, 0x01});
  EXPECT_TRUE(PassedPhysical().empty());
  state.vrKbBrwStatus = 1;
  Tap(kBrowserBack);
  EXPECT_EQ((Strings{"A6 down", "A6 up"}), PassedPhysical());
}

TEST_F(HookEngineTest, KeyTestSuspendsAssignmentsButKeepsTrackingKeys) {
  EnableNotebookAssignments({0xA5, 0x5B});
  EnableExternalDefaults();
  state.vrKbBrwStatus = 0;
  state.keySensStatus = kKeySensKeyTestRunning;
  Down(kKoreanRightAlt);
  EXPECT_EQ(1u, state.koreanRightAltDown);
  Up(kKoreanRightAlt);
  EXPECT_EQ(0u, state.koreanRightAltDown);
  Tap(kBrowserBack);
  Down(kRightCtrl);
  Tap(kF4);
  Up(kRightCtrl);
  Tap(kRightAlt);
  EXPECT_TRUE(input.Posted().empty());
  EXPECT_TRUE(Injected().empty());
  EXPECT_EQ((Strings{"15 down", "15 up", "A6 down", "A6 up", "A3 down", "73 down", "73 up", "A3 up",
                     "A5 down", "A5 up"}),
            PassedPhysical());
}

TEST_F(HookEngineTest, NotebookVolumeKeysInjectTheSystemsVolumeKey) {
  struct Case {
    uint32_t row;
    uint8_t volumeKey;
    uint8_t scan;
  } cases[] = {{kBrwVolumeUp, 0xAF, 0x30}, {kBrwVolumeDown, 0xAE, 0x2E}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    input.TakeLog();
    EnableNotebookAssignments({});
    state.vrKbBrwMap = {};
    state.vrKbBrwMap.entries[c.row] = {0xA3, 0xA6};
    Down(kRightCtrl);
    const size_t before = input.Injections().size();
    KeyEvent ev{kWmKeyDown, 0xA6, 0x6A, 0x01, 0, 0x5EED};
    EXPECT_TRUE(input.Send(ev));
    EXPECT_TRUE(Up(kBrowserBack));
    Up(kRightCtrl);
    ASSERT_EQ(before + 2, input.Injections().size());
    const auto& down = input.Injections()[before];
    const auto& up = input.Injections()[before + 1];
    EXPECT_EQ(c.volumeKey, down.vk);
    EXPECT_EQ(c.scan, down.scan);
    EXPECT_EQ(0x01u, down.flags);  // the event's own flags
    EXPECT_EQ(0x03u, up.flags);    // and with the key-up bit
    EXPECT_EQ(c.volumeKey, up.vk);
    EXPECT_EQ(uintptr_t{0x5EED}, down.extraInfo);
    EXPECT_EQ(uintptr_t{0x5EED}, up.extraInfo);
    EXPECT_EQ(20 + c.row, input.PostedActions().back());
    EXPECT_EQ(2u, Logged("pass* ").size());  // the volume key reaches the system
  }
}

TEST_F(HookEngineTest, NotebookEjectOnlyPosts) {
  EnableNotebookAssignments({});
  state.vrKbBrwMap.entries[kBrwEject] = {0xA3, 0xA7};
  Down(kRightCtrl);
  EXPECT_TRUE(Down({0xA7, 0x69, 0x01}));
  EXPECT_TRUE(input.Injections().empty());
  EXPECT_EQ((Actions{20}), input.PostedActions());
  state.vrKbStatus = 0;
  EXPECT_FALSE(Down({0xA7, 0x69, 0x01}));
}

TEST_F(HookEngineTest, VolumeCombinationOnTheVolumeKeyItselfDoesNotRecurse) {
  // Settings may come from any process; a combination whose second key is
  // the very key injected must not feed itself without end.
  EnableNotebookAssignments({});
  state.vrKbBrwMap.entries[kBrwVolumeUp] = {0xA3, 0xAF};
  Down(kRightCtrl);
  EXPECT_TRUE(Down({0xAF, 0x30, 0x01}));
  EXPECT_EQ((Strings{"AF down", "AF up"}), Injected());
  EXPECT_EQ((Actions{21}), input.PostedActions());
}

}  // namespace
}  // namespace tavel::test
