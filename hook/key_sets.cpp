#include "hook/key_sets.h"

namespace tavel {

bool InComboKeySet(Vk key) {
  switch (key) {
    case vk::Up:
    case vk::Down:
    case vk::Left:
    case vk::Right:
    case vk::Space:
    case vk::Packet:
    case vk::BrowserBack:
    case vk::BrowserForward:
      return true;
    default:
      return key >= vk::F1 && key <= vk::F12;
  }
}

bool InComboKeySetWithDigits(Vk key) {
  return InComboKeySet(key) || (key >= vk::Digit0 && key <= vk::Digit9);
}

}  // namespace tavel
