#include "panel/maintenance/key_sens_rows.h"

#include "panel/res/resource.h"

namespace tavel::panel {

const std::array<KeySensRow, kKeySensRows> KeySensRows = {{
    {vk::Escape, IDC_KSN_ESC, IDS_TEST_ESC},
    {vk::F1, IDC_KSN_F1, IDS_TEST_F1},
    {vk::Tab, IDC_KSN_TAB, IDS_TEST_TAB},
    {vk::Capital, IDC_KSN_CAPS_LOCK, IDS_TEST_CAPS_LOCK},
    {vk::BrowserBack, IDC_KSN_BROWSER_BACK, IDS_KEY_BROWSER_BACK},
    {vk::BrowserForward, IDC_KSN_BROWSER_FORWARD, IDS_KEY_BROWSER_FORWARD},
}};

uint32_t DurationOfPosition(int position) {
  return static_cast<uint32_t>(position) * PressDurationStep;
}

int PositionOfDuration(uint32_t ms) {
  if (ms % PressDurationStep != 0 || ms / PressDurationStep > kLongestPressPosition) return 0;
  return static_cast<int>(ms / PressDurationStep);
}

SliderPositions PositionsOf(const KeySensMap& map) {
  SliderPositions positions{};
  for (size_t row = 0; row < kKeySensRows; ++row) {
    positions[row] = PositionOfDuration(map.entries[row].minimumPressMs);
  }
  return positions;
}

KeySensMap KeySensMapOf(const SliderPositions& positions) {
  KeySensMap map{};
  for (size_t row = 0; row < kKeySensRows; ++row) {
    map.entries[row] = {KeySensRows[row].key, DurationOfPosition(positions[row])};
  }
  return map;
}

void KeySensSliders::Load(const KeySensMap& stored) {
  positions_ = PositionsOf(stored);
  const KeySensMap shown = KeySensMapOf(positions_);
  for (size_t row = 0; row < kKeySensRows; ++row) {
    const KeySensEntry& entry = stored.entries[row];
    const bool shownAsStored = shown.entries[row].key == entry.key &&
                               shown.entries[row].minimumPressMs == entry.minimumPressMs;
    storedKept_[row] = shownAsStored ? std::nullopt : std::optional(entry);
  }
}

void KeySensSliders::Move(size_t row, int position) {
  if (positions_[row] == position) return;
  positions_[row] = position;
  storedKept_[row].reset();
}

KeySensMap KeySensSliders::Map() const {
  KeySensMap map = KeySensMapOf(positions_);
  for (size_t row = 0; row < kKeySensRows; ++row) {
    if (storedKept_[row]) map.entries[row] = *storedKept_[row];
  }
  return map;
}

}  // namespace tavel::panel
