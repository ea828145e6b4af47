#include "panel/pages/key_tables.h"

#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr KeyItem kNone{vk::None, IDS_NOT_ASSIGNED, kNoImage};

constexpr KeyItem kFirstKeys[] = {
    kNone,
    {vk::LShift, IDS_KEY_LEFT_SHIFT, kNoImage},
    {vk::RShift, IDS_KEY_RIGHT_SHIFT, kNoImage},
    {vk::LControl, IDS_KEY_LEFT_CTRL, kNoImage},
    {vk::RControl, IDS_KEY_RIGHT_CTRL, kNoImage},
    {vk::LMenu, IDS_KEY_LEFT_ALT, kNoImage},
    {vk::RMenu, IDS_KEY_RIGHT_ALT, kNoImage},
};

// Images: the external keyboard page's arrow list, up, down, left, right.
constexpr KeyItem kExtSecondKeys[] = {
    kNone,
    {vk::Up, IDS_KEY_ARROW_UP, 0},
    {vk::Down, IDS_KEY_ARROW_DOWN, 1},
    {vk::Left, IDS_KEY_ARROW_LEFT, 2},
    {vk::Right, IDS_KEY_ARROW_RIGHT, 3},
    {vk::F1, IDS_KEY_F1, kNoImage},
    {vk::F1 + 1, IDS_KEY_F1 + 1, kNoImage},
    {vk::F1 + 2, IDS_KEY_F1 + 2, kNoImage},
    {vk::F1 + 3, IDS_KEY_F1 + 3, kNoImage},
    {vk::F1 + 4, IDS_KEY_F1 + 4, kNoImage},
    {vk::F1 + 5, IDS_KEY_F1 + 5, kNoImage},
    {vk::F1 + 6, IDS_KEY_F1 + 6, kNoImage},
    {vk::F1 + 7, IDS_KEY_F1 + 7, kNoImage},
    {vk::F1 + 8, IDS_KEY_F1 + 8, kNoImage},
    {vk::F1 + 9, IDS_KEY_F1 + 9, kNoImage},
    {vk::F1 + 10, IDS_KEY_F1 + 10, kNoImage},
    {vk::F12, IDS_KEY_F12, kNoImage},
    {vk::Space, IDS_KEY_SPACE, kNoImage},
};

// Images: the notebook page's browser list, back, forward.
constexpr KeyItem kBrowserSecondKeys[] = {
    kNone,
    {vk::BrowserBack, IDS_KEY_BROWSER_BACK, 0},
    {vk::BrowserForward, IDS_KEY_BROWSER_FORWARD, 1},
};

constexpr KeyItem kNumberSecondKeys[] = {
    kNone,
    {vk::Digit1, IDS_NUMBER_KEY_1, kNoImage},
    {vk::Digit1 + 1, IDS_NUMBER_KEY_1 + 1, kNoImage},
    {vk::Digit1 + 2, IDS_NUMBER_KEY_1 + 2, kNoImage},
    {vk::Digit1 + 3, IDS_NUMBER_KEY_1 + 3, kNoImage},
    {vk::Digit1 + 4, IDS_NUMBER_KEY_1 + 4, kNoImage},
    {vk::Digit1 + 5, IDS_NUMBER_KEY_1 + 5, kNoImage},
    {vk::Digit1 + 6, IDS_NUMBER_KEY_1 + 6, kNoImage},
    {vk::Digit1 + 7, IDS_NUMBER_KEY_1 + 7, kNoImage},
    {vk::Digit9, IDS_NUMBER_KEY_1 + 8, kNoImage},
    {vk::Digit0, IDS_NUMBER_KEY_0, kNoImage},
};

}  // namespace

const KeyTable FirstKeyTable{kFirstKeys};
const KeyTable ShiftKeyTable{KeyTable{kFirstKeys}.first(3)};
const KeyTable ExtSecondKeyTable{kExtSecondKeys};
const KeyTable BrowserSecondKeyTable{kBrowserSecondKeys};
const KeyTable NumberSecondKeyTable{kNumberSecondKeys};

Vk ChoiceToVk(KeyTable table, KeyChoice choice) {
  if (choice < 0 || static_cast<size_t>(choice) >= table.size()) return vk::None;
  return table[choice].vk;
}

KeyChoice VkToChoice(KeyTable table, Vk code) {
  if (code == vk::None) return kNotAssigned;
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].vk == code) return static_cast<KeyChoice>(i);
  }
  return kNotAssigned;
}

}  // namespace tavel::panel
