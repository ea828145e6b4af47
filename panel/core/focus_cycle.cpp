#include "panel/core/focus_cycle.h"

namespace tavel::panel {

std::optional<FocusPlace> NextFocus(FocusPlace current, bool shift, bool productDisabled) {
  switch (current) {
    case FocusPlace::TabStrip:
      if (shift) return FocusPlace::HelpButton;
      // A disabled product's page shows only its hint: nothing to focus.
      return productDisabled ? FocusPlace::OptionsButton : FocusPlace::FirstPageControl;
    case FocusPlace::HelpButton:
      if (!shift) return FocusPlace::TabStrip;
      break;
    case FocusPlace::OptionsButton:
      if (shift) return productDisabled ? FocusPlace::TabStrip : FocusPlace::LastPageControl;
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace tavel::panel
