#include "panel/core/focus_cycle.h"

#include <gtest/gtest.h>

namespace tavel::panel {
namespace {

using F = FocusPlace;

TEST(FocusCycleTest, TabKeyLinksStripPageAndButtons) {
  struct Case {
    F from;
    bool shift;
    bool disabled;
    std::optional<F> to;
  };
  const Case cases[] = {
      {F::TabStrip, false, false, F::FirstPageControl},
      {F::TabStrip, false, true, F::OptionsButton},
      {F::TabStrip, true, false, F::HelpButton},
      {F::HelpButton, false, false, F::TabStrip},
      {F::HelpButton, true, false, std::nullopt},
      {F::OptionsButton, true, false, F::LastPageControl},
      {F::OptionsButton, true, true, F::TabStrip},
      {F::OptionsButton, false, false, std::nullopt},
      {F::Other, false, false, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextFocus(c.from, c.shift, c.disabled), c.to)
        << static_cast<int>(c.from) << " shift " << c.shift << " disabled " << c.disabled;
  }
}

}  // namespace
}  // namespace tavel::panel
