#include "panel/core/keyboard_recheck.h"

#include <gtest/gtest.h>

namespace tavel::panel {
namespace {

TEST(KeyboardRecheckTest, TabFollowsTheMakerKeyboardAcrossPlugAndUnplug) {
  TabAvailability tabs;
  struct Step {
    bool keyboard;
    bool refresh;
    int32_t disabledTab;
    uint32_t enabled;
  };
  const Step steps[] = {
      {false, false, -1, 1},  // nothing attached at start
      {true, true, 1, 0},     // plugged in: tab disabled
      {true, false, 1, 0},    // still there: no toggling back
      {false, true, -1, 1},   // unplugged: enabled again
      {false, false, -1, 1},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(tabs.Recheck(s.keyboard), s.refresh);
    EXPECT_EQ(tabs.disabledTabIndex, s.disabledTab);
    EXPECT_EQ(tabs.extKbTabEnabled, s.enabled);
  }
}

}  // namespace
}  // namespace tavel::panel
