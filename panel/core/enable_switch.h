// A page's "enable" check box over a stored status value. The box shows
// whether the stored value counts as on; while the box stays as it was
// shown, the stored value is what Apply writes back, whatever it is (a 2
// copied from the machine-wide defaults stays 2). Only a box the user
// changed gives 0 or 1.
#pragma once

#include <cstdint>

namespace tavel::panel {

enum class CheckRule {
  NonZero,     // any value but 0 shows ticked
  ExactlyOne,  // only 1 shows ticked
};

constexpr bool ShownChecked(uint32_t stored, CheckRule rule) {
  return rule == CheckRule::NonZero ? stored != 0 : stored == 1;
}

constexpr uint32_t StatusOfCheck(bool checked, uint32_t stored, CheckRule rule) {
  if (checked == ShownChecked(stored, rule)) return stored;
  return checked ? 1 : 0;
}

}  // namespace tavel::panel
