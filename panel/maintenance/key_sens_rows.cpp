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

}  // namespace tavel::panel
