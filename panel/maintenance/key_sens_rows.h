// The six keys whose minimum press duration the user sets, always in this
// order, and the slider positions that stand for the durations: each step of
// a slider is PressDurationStep longer, from no delay to 800 ms.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "common/records.h"

namespace tavel::panel {

inline constexpr uint32_t PressDurationStep = 200;  // ms per slider position
inline constexpr int kLongestPressPosition = 4;
inline constexpr size_t kKeySensRows = KeySensMap::kEntries;

struct KeySensRow {
  Vk key;
  int sliderId;
  unsigned nameId;  // the name the key test shows
};
extern const std::array<KeySensRow, kKeySensRows> KeySensRows;

using SliderPositions = std::array<int, kKeySensRows>;

uint32_t DurationOfPosition(int position);
// Only the durations a slider can show have a position; any other stored
// duration shows as no delay.
int PositionOfDuration(uint32_t ms);
SliderPositions PositionsOf(const KeySensMap& map);
// Every row's key with its slider's duration, whatever the map held before.
KeySensMap KeySensMapOf(const SliderPositions& positions);

// What the page's sliders hold. A stored row the sliders cannot show as it
// is (another key, a duration between the steps) is written back unchanged
// until the user moves its slider.
class KeySensSliders {
 public:
  explicit KeySensSliders(const KeySensMap& stored) { Load(stored); }
  void Load(const KeySensMap& stored);
  const SliderPositions& Positions() const { return positions_; }
  // The user moved a slider (or the key test showed its duration).
  void Move(size_t row, int position);
  KeySensMap Map() const;

 private:
  SliderPositions positions_{};
  std::array<std::optional<KeySensEntry>, kKeySensRows> storedKept_{};
};

}  // namespace tavel::panel
