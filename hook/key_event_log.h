// What the hook remembers of the events it has seen: the previous event (a
// two-slot ring) and the last three events (a shifting history). Both are
// per-process; only the copy in the process running the hook matters.
#pragma once

#include <cstdint>

namespace tavel {

struct KeyRecord {
  uint32_t vk;
  uint32_t flags;
};

class KeyEventRing {
 public:
  // Stores the event and flips the index, which then names the other slot:
  // the event recorded before this one.
  void Record(KeyRecord rec) {
    slots_[index_] = rec;
    index_ ^= 1;
  }
  // The event before the one recorded last.
  KeyRecord Previous() const { return slots_[index_]; }
  void ClearPrevious() { slots_[index_] = {}; }

 private:
  KeyRecord slots_[2] = {};
  uint32_t index_ = 0;
};

struct KeyEventHistory {
  KeyRecord twoBack;   // H0
  KeyRecord previous;  // H1
  KeyRecord current;   // H2

  void Record(KeyRecord rec) {
    twoBack = previous;
    previous = current;
    current = rec;
  }
};

}  // namespace tavel
