#include "panel/core/keyboard_recheck.h"

namespace tavel::panel {
namespace {

int32_t Toggled(int32_t disabledTabIndex) {
  return disabledTabIndex == -1 ? kExternalKeyboardTab : -1;
}

}  // namespace

bool TabAvailability::Recheck(bool makerKeyboardPresent) {
  const bool tabEnabled = extKbTabEnabled == 1;
  if (makerKeyboardPresent != tabEnabled) return false;
  disabledTabIndex = Toggled(disabledTabIndex);
  extKbTabEnabled = makerKeyboardPresent ? 0 : 1;
  return true;
}

}  // namespace tavel::panel
