// One-shot use of the timers of one window: arming an id that is already
// running replaces it, so a burst of arm calls ends in a single expiry.
#pragma once

#include <cstdint>

namespace tavel {

class WindowTimers {
 public:
  virtual ~WindowTimers() = default;
  virtual void Arm(uint32_t id, uint32_t milliseconds) = 0;
  virtual void Kill(uint32_t id) = 0;
};

}  // namespace tavel
