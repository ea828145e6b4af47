#include "hook/press_duration_filter.h"

namespace tavel {

bool PressDurationFilter::Swallow(const KeyEvent& ev, uint32_t minimumPressMs) {
  if (!IsKeyUp(ev)) {
    if (!running_) {
      startTime_ = ev.time;
      running_ = true;
    }
    // Unsigned difference: right across the 49.7-day wrap of the tick count.
    if (ev.time - startTime_ < minimumPressMs) return true;
  }
  running_ = false;
  startTime_ = 0;
  return false;
}

}  // namespace tavel
