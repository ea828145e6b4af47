// The 30 notebook keyboard layouts. The layout only renames the modifier
// keys in the notebook page's lists (German keyboards say "Strg" and
// "AltGr", for instance); it never changes which key a choice means.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "panel/pages/key_tables.h"

namespace tavel::panel {

struct KeyboardLayout {
  uint32_t number;  // as stored in VrKbLangId
  unsigned nameId;  // string table
};

inline constexpr size_t kLayoutCount = 30;
extern const std::span<const KeyboardLayout, kLayoutCount> KeyboardLayoutTable;

inline constexpr uint32_t kLayoutArabic = 0;
inline constexpr uint32_t kLayoutKorean = 14;

// The names of first-key choices 1..6 on a layout's keyboard; a number
// outside the table names them as US English does.
std::array<unsigned, 6> LayoutModifierNameTable(uint32_t layout);

// The seven first-key items of the notebook page for a layout: choices 0..6
// of FirstKeyTable with the layout's names and key symbols. Images index the
// page's modifier-symbol list.
inline constexpr int kShiftSymbol = 0;
inline constexpr int kArabicSymbol = 1;
inline constexpr int kHanjaSymbol = 2;
inline constexpr int kHanYeongSymbol = 3;
std::array<KeyItem, 7> ModifierListForLayout(uint32_t layout);

}  // namespace tavel::panel
