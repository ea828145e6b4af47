// Keys that, pressed while an emulated Windows or Application key is held,
// make its release a combination rather than a tap.
#pragma once

#include "common/records.h"

namespace tavel {

// Arrows, F1..F12, Space, VK_PACKET and the two browser keys.
bool InComboKeySet(Vk key);
// The same plus the digits 0..9.
bool InComboKeySetWithDigits(Vk key);

}  // namespace tavel
