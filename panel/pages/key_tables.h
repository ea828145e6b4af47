// The fixed key lists the assignment pages offer. A page keeps the position
// of the chosen item (a KeyChoice) and turns it into a virtual-key code only
// when a record is built; item 0 is always "(not assigned)", no key.
#pragma once

#include <cstdint>
#include <span>

#include "common/records.h"

namespace tavel::panel {

using KeyChoice = int32_t;

inline constexpr KeyChoice kNotAssigned = 0;
// What a page holds in a slot before its choices are first loaded.
inline constexpr KeyChoice kNotLoaded = -1;

inline constexpr int kNoImage = -1;

struct KeyItem {
  Vk vk;
  unsigned textId;  // string table
  int image;        // index into the list's image list, or kNoImage
};

using KeyTable = std::span<const KeyItem>;

// Modifiers, by the names the external keyboard page shows.
extern const KeyTable FirstKeyTable;
// The part of FirstKeyTable the special-character page offers: the Shift keys.
extern const KeyTable ShiftKeyTable;
// Arrows, F1..F12 and Space.
extern const KeyTable ExtSecondKeyTable;
// Browser Back and Forward.
extern const KeyTable BrowserSecondKeyTable;
// Digits 1..9, then 0.
extern const KeyTable NumberSecondKeyTable;

// A choice outside the table gives 0.
Vk ChoiceToVk(KeyTable table, KeyChoice choice);
// A code outside the table (and 0) gives kNotAssigned.
KeyChoice VkToChoice(KeyTable table, Vk code);

}  // namespace tavel::panel
