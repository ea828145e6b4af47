#include "panel/pages/keyboard_layouts.h"

#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr KeyboardLayout kLayouts[kLayoutCount] = {
    {0, IDS_LAYOUT_ARABIC},          {1, IDS_LAYOUT_BELGIAN},
    {2, IDS_LAYOUT_CANADIAN_FRENCH}, {3, IDS_LAYOUT_CZECH},
    {4, IDS_LAYOUT_DANISH},          {5, IDS_LAYOUT_DUTCH},
    {6, IDS_LAYOUT_FINNISH},         {7, IDS_LAYOUT_FRENCH},
    {8, IDS_LAYOUT_GERMAN},          {9, IDS_LAYOUT_GREEK},
    {10, IDS_LAYOUT_HEBREW},         {11, IDS_LAYOUT_HUNGARIAN},
    {12, IDS_LAYOUT_ITALIAN},        {13, IDS_LAYOUT_JAPANESE},
    {14, IDS_LAYOUT_KOREAN},         {15, IDS_LAYOUT_LATIN_SPANISH},
    {16, IDS_LAYOUT_NORWEGIAN},      {17, IDS_LAYOUT_POLISH},
    {18, IDS_LAYOUT_PORTUGUESE},     {19, IDS_LAYOUT_RUSSIA},
    {20, IDS_LAYOUT_SLOVAKIAN},      {21, IDS_LAYOUT_SLOVENIAN},
    {22, IDS_LAYOUT_SPANISH},        {23, IDS_LAYOUT_SWEDISH},
    {24, IDS_LAYOUT_SWISS},          {25, IDS_LAYOUT_THAI},
    {26, IDS_LAYOUT_TRADITIONAL_CHINESE}, {27, IDS_LAYOUT_TURKISH},
    {28, IDS_LAYOUT_UK_ENGLISH},     {29, IDS_LAYOUT_US_ENGLISH},
};

using Names = std::array<unsigned, 6>;
constexpr Names kCtrlAltNames{IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL,
                              IDS_KEY_RIGHT_CTRL, IDS_KEY_LEFT_ALT,  IDS_KEY_RIGHT_ALT};
constexpr Names kArabicNames{IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL,
                             IDS_KEY_RIGHT_CTRL, IDS_KEY_LEFT_ALT,  IDS_KEY_RIGHT_ALTGR};
constexpr Names kCanadianFrenchNames{IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL,
                                     IDS_KEY_RIGHT_CTRL, IDS_KEY_ALT,         IDS_KEY_ALTCAR};
constexpr Names kGermanNames{IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_STRG,
                             IDS_KEY_RIGHT_STRG, IDS_KEY_ALT,         IDS_KEY_ALTGR};
constexpr Names kAltGrNames{IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL,
                            IDS_KEY_RIGHT_CTRL, IDS_KEY_ALT,         IDS_KEY_ALTGR};

// Keyboards whose right Alt is a plain Alt key.
bool HasLeftAndRightAlt(uint32_t layout) {
  switch (layout) {
    case 10:  // Hebrew
    case 13:  // Japanese
    case kLayoutKorean:
    case 25:  // Thai
    case 26:  // Traditional Chinese
    case 29:  // US English
      return true;
    default:
      return layout >= kLayoutCount;
  }
}

}  // namespace

const std::span<const KeyboardLayout, kLayoutCount> KeyboardLayoutTable{kLayouts};

Names LayoutModifierNameTable(uint32_t layout) {
  if (HasLeftAndRightAlt(layout)) return kCtrlAltNames;
  switch (layout) {
    case kLayoutArabic:
      return kArabicNames;
    case 2:  // Canadian French
      return kCanadianFrenchNames;
    case 8:  // German
      return kGermanNames;
    default:
      return kAltGrNames;
  }
}

std::array<KeyItem, 7> ModifierListForLayout(uint32_t layout) {
  const Names names = LayoutModifierNameTable(layout);
  std::array<KeyItem, 7> items{FirstKeyTable[0]};
  for (size_t choice = 1; choice < items.size(); ++choice) {
    items[choice] = {FirstKeyTable[choice].vk, names[choice - 1], kNoImage};
  }
  items[1].image = kShiftSymbol;
  items[2].image = kShiftSymbol;
  if (layout == kLayoutArabic) {
    // Arabic keyboards switch to English with the left Shift key and to
    // Arabic with the right one, which carries the Arabic-script symbol.
    items[1].textId = IDS_KEY_ENGLISH;
    items[2].image = kArabicSymbol;
  }
  if (layout == kLayoutKorean) {
    items[4].image = kHanjaSymbol;
    items[6].image = kHanYeongSymbol;
  }
  return items;
}

}  // namespace tavel::panel
