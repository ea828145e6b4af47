// Minimum press duration: a key-down of a filtered key passes only once the
// key has been held for its duration, so brief accidental touches vanish and
// a held key repeats once per duration. One timer serves every filtered key.
#pragma once

#include <cstdint>

#include "hook/key_event.h"

namespace tavel {

class PressDurationFilter {
 public:
  // Returns true when the key-down comes too early and must be swallowed.
  // A key-up, or a key-down at or after the duration, stops the timer.
  bool Swallow(const KeyEvent& ev, uint32_t minimumPressMs);

 private:
  bool running_ = false;
  uint32_t startTime_ = 0;
};

}  // namespace tavel
