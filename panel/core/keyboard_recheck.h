// Whether the External Keyboard tab is usable: not while the maker's own USB
// keyboard (which has the Fn keys itself) is attached.
#pragma once

#include <cstdint>

namespace tavel::panel {

inline constexpr int kExternalKeyboardTab = 1;

struct TabAvailability {
  int32_t disabledTabIndex = -1;  // -1 = every tab enabled
  uint32_t extKbTabEnabled = 1;   // Apply handles external settings only while 1

  // Brings the state in line with the keyboard just found (or not). Returns
  // true when the tab strip must be refreshed.
  bool Recheck(bool makerKeyboardPresent);
};

}  // namespace tavel::panel
