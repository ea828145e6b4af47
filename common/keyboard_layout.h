// Which of the 30 notebook keyboard layouts (numbered alphabetically by
// English name, 0 Arabic ... 29 US English) a system locale implies.
#pragma once

#include <cstdint>

namespace tavel {

inline constexpr uint32_t kLayoutUsEnglish = 29;

// Any locale without a layout of its own gets US English.
uint32_t LayoutIdFromLcid(uint32_t lcid);

}  // namespace tavel
