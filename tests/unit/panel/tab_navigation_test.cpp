#include "panel/core/tab_navigation.h"

#include <gtest/gtest.h>

namespace tavel::panel {
namespace {

constexpr int kTabs = 4;
constexpr int kNone = kNoDisabledTab;

struct StepCase {
  int current;
  int disabled;
  TabStep step;
  bool wrap;
  int expected;
};

class NeighbourTabTest : public testing::TestWithParam<StepCase> {};

TEST_P(NeighbourTabTest, SkipsTheDisabledTab) {
  const StepCase& c = GetParam();
  EXPECT_EQ(NeighbourTab(c.current, kTabs, c.disabled, c.step, c.wrap), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ArrowsWithoutWrapping, NeighbourTabTest,
    testing::Values(StepCase{0, 1, TabStep::Next, false, 2},
                    StepCase{2, 1, TabStep::Previous, false, 0},
                    StepCase{0, kNone, TabStep::Next, false, 1},
                    StepCase{3, kNone, TabStep::Next, false, -1},
                    StepCase{0, kNone, TabStep::Previous, false, -1},
                    StepCase{1, 0, TabStep::Previous, false, -1}));

INSTANTIATE_TEST_SUITE_P(
    CtrlTabWrapping, NeighbourTabTest,
    testing::Values(StepCase{3, kNone, TabStep::Next, true, 0},
                    StepCase{3, 0, TabStep::Next, true, 1},
                    StepCase{0, kNone, TabStep::Previous, true, 3},
                    StepCase{0, 3, TabStep::Previous, true, 2},
                    StepCase{2, 3, TabStep::Next, true, 0},
                    StepCase{0, 1, TabStep::Next, true, 2}));

TEST(NeighbourTabTest, NothingToMoveToWithASingleTab) {
  EXPECT_EQ(NeighbourTab(0, 1, kNone, TabStep::Next, true), -1);
  EXPECT_EQ(NeighbourTab(0, 2, 1, TabStep::Next, true), -1);
}

TEST(SelectionAfterDisablingTest, MovesOffTheDisabledSelection) {
  EXPECT_EQ(SelectionAfterDisabling(1, 1), 0);
  EXPECT_EQ(SelectionAfterDisabling(0, 0), 1);
  EXPECT_EQ(SelectionAfterDisabling(3, 3), 2);
  EXPECT_EQ(SelectionAfterDisabling(2, 1), 2);
  EXPECT_EQ(SelectionAfterDisabling(1, kNone), 1);
}

}  // namespace
}  // namespace tavel::panel
