#include <gtest/gtest.h>

#include "panel/pages/key_rows.h"
#include "panel/pages/key_tables.h"
#include "panel/pages/keyboard_layouts.h"
#include "panel/pages/notebook_choices.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

using Kind = ChoiceResult::Kind;

// ----------------------------------------------------------------- key tables

struct Conversion {
  const char* table;
  KeyTable keys;
  KeyChoice choice;
  Vk code;
};

TEST(KeyTables, ChoicesMeanTheirKeys) {
  const Conversion cases[] = {
      {"first", FirstKeyTable, 1, vk::LShift},
      {"first", FirstKeyTable, 3, vk::LControl},
      {"first", FirstKeyTable, 6, vk::RMenu},
      {"ext second", ExtSecondKeyTable, 1, vk::Up},
      {"ext second", ExtSecondKeyTable, 4, vk::Right},
      {"ext second", ExtSecondKeyTable, 5, vk::F1},
      {"ext second", ExtSecondKeyTable, 8, vk::F4},
      {"ext second", ExtSecondKeyTable, 16, vk::F12},
      {"ext second", ExtSecondKeyTable, 17, vk::Space},
      {"browser", BrowserSecondKeyTable, 2, vk::BrowserForward},
      {"number", NumberSecondKeyTable, 1, vk::Digit1},
      {"number", NumberSecondKeyTable, 9, vk::Digit9},
      {"number", NumberSecondKeyTable, 10, vk::Digit0},
      {"shift", ShiftKeyTable, 2, vk::RShift},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(testing::Message() << c.table << " choice " << c.choice);
    EXPECT_EQ(ChoiceToVk(c.keys, c.choice), c.code);
    EXPECT_EQ(VkToChoice(c.keys, c.code), c.choice);
  }
}

TEST(KeyTables, NothingOutsideATableMeansAKey) {
  for (KeyTable keys : {FirstKeyTable, ShiftKeyTable, ExtSecondKeyTable, BrowserSecondKeyTable,
                        NumberSecondKeyTable}) {
    EXPECT_EQ(ChoiceToVk(keys, kNotAssigned), vk::None);
    EXPECT_EQ(ChoiceToVk(keys, static_cast<KeyChoice>(keys.size())), vk::None);
    EXPECT_EQ(ChoiceToVk(keys, kNotLoaded), vk::None);
    EXPECT_EQ(VkToChoice(keys, vk::None), kNotAssigned);
    EXPECT_EQ(VkToChoice(keys, 0x10), kNotAssigned);  // the generic Shift code
  }
  EXPECT_EQ(VkToChoice(ShiftKeyTable, vk::LControl), kNotAssigned);
}

// ----------------------------------------------------------------- two-key rows

ComboRows ThreeRows(std::initializer_list<TwoKeyRow> rows) {
  ComboRows combos(3, FirstKeyTable, ExtSecondKeyTable);
  combos.Clear();
  KeyCombo entries[3]{};
  size_t i = 0;
  for (const TwoKeyRow& r : rows) {
    entries[i++] = {ChoiceToVk(FirstKeyTable, r.first), ChoiceToVk(ExtSecondKeyTable, r.second)};
  }
  combos.LoadPageChoices(entries);
  return combos;
}

struct Pick {
  const char* what;
  std::initializer_list<TwoKeyRow> before;
  size_t row;
  RowSide side;
  KeyChoice selection;
  Kind kind;
  bool enableApply;
  unsigned message;
  TwoKeyRow after;  // the changed row's stored choices
};

TEST(ComboRows, CommitRowChoice) {
  constexpr auto F = RowSide::First;
  constexpr auto S = RowSide::Second;
  const Pick picks[] = {
      {"not assigned in a complete row empties it", {{4, 1}, {4, 2}}, 1, F, 0,
       Kind::RowCleared, true, 0, {0, 0}},
      {"... from the second list too", {{4, 1}, {4, 2}}, 1, S, 0, Kind::RowCleared, true, 0,
       {0, 0}},
      {"a second key without a first is kept", {{0, 0}}, 0, S, 3, Kind::Kept, true, 0, {0, 3}},
      {"another row's combination is refused", {{4, 1}, {4, 2}}, 1, S, 1, Kind::Refused, false,
       IDS_MSG_DUPLICATE_COMBINATION, {4, 2}},
      {"... from the first list too", {{4, 1}, {3, 1}}, 1, F, 4, Kind::Refused, false,
       IDS_MSG_DUPLICATE_COMBINATION, {3, 1}},
      {"a pair whose other key is empty never collides", {{4, 1}, {0, 0}}, 1, S, 1, Kind::Kept,
       true, 0, {0, 1}},
      {"a pair equal to an incomplete row is kept", {{4, 0}, {0, 1}}, 1, F, 4, Kind::Kept, true,
       0, {4, 1}},
      {"the same item again changes nothing", {{4, 1}}, 0, S, 1, Kind::Kept, false, 0, {4, 1}},
      {"not assigned again in an empty row", {{0, 0}}, 0, F, 0, Kind::Kept, false, 0, {0, 0}},
  };
  for (const Pick& p : picks) {
    SCOPED_TRACE(p.what);
    ComboRows rows = ThreeRows(p.before);
    const ChoiceResult result = rows.CommitRowChoice(p.row, p.side, p.selection);
    EXPECT_EQ(result.kind, p.kind);
    EXPECT_EQ(result.enableApply, p.enableApply);
    EXPECT_EQ(result.messageId, p.message);
    EXPECT_EQ(rows[p.row].first, p.after.first);
    EXPECT_EQ(rows[p.row].second, p.after.second);
  }
}

TEST(ComboRows, OnlyTheFirstIncompleteRowIsReported) {
  EXPECT_EQ(ThreeRows({{4, 1}, {0, 0}, {2, 5}}).FirstIncompleteRow(), std::nullopt);
  EXPECT_EQ(ThreeRows({{4, 1}, {0, 3}, {2, 0}}).FirstIncompleteRow(), 1u);
  EXPECT_EQ(ThreeRows({{4, 0}, {0, 3}}).FirstIncompleteRow(), 0u);
}

TEST(ComboRows, UnknownStoredCodesAreNeverSilentlyRewritten) {
  ComboRows rows(4, FirstKeyTable, ExtSecondKeyTable);
  rows.Clear();
  const KeyCombo stored[4] = {
      {0x10, vk::Up}, {0x10, 0x41}, {vk::RControl, vk::F4}, {vk::RControl, vk::None}};
  rows.LoadPageChoices(stored);

  // Half known: the known key shows, the row is written back as stored and
  // Apply does not ask for it.
  EXPECT_EQ(rows[0].first, kNotAssigned);
  EXPECT_EQ(rows[0].second, 1);
  EXPECT_EQ(rows.BuildPageRecord(0).firstKey, 0x10u);
  EXPECT_EQ(rows.BuildPageRecord(0).secondKey, vk::Up);
  // Wholly unknown: shown empty, written back as stored while untouched.
  EXPECT_EQ(rows[1].first, kNotAssigned);
  EXPECT_EQ(rows[1].second, kNotAssigned);
  EXPECT_EQ(rows.BuildPageRecord(1).firstKey, 0x10u);
  EXPECT_EQ(rows.BuildPageRecord(1).secondKey, 0x41u);
  // Known keys but only one of them: shown as it is, so Apply asks for it.
  EXPECT_EQ(rows.FirstIncompleteRow(), 3u);
  // Picking the item a row shows already keeps what it stores; another
  // pick replaces it.
  EXPECT_EQ(rows.CommitRowChoice(0, RowSide::Second, 1).kind, Kind::Kept);
  EXPECT_EQ(rows.BuildPageRecord(0).firstKey, 0x10u);
  EXPECT_EQ(rows.CommitRowChoice(1, RowSide::First, 4).kind, Kind::Kept);
  EXPECT_EQ(rows.BuildPageRecord(1).firstKey, vk::RControl);
  EXPECT_EQ(rows.BuildPageRecord(1).secondKey, vk::None);
  EXPECT_EQ(rows.FirstIncompleteRow(), 1u);
  EXPECT_EQ(rows.BuildPageRecord(2).secondKey, vk::F4);
}

// ----------------------------------------------------------------- one-key lists

TEST(OneKeyLists, TheWindowsAndApplicationKeysDiffer) {
  KeyChoice stored = 0;
  EXPECT_EQ(CommitOneKeyChoice(stored, 6, 6).messageId, unsigned{IDS_MSG_DUPLICATE_KEY});
  EXPECT_EQ(stored, 0);
  const ChoiceResult kept = CommitOneKeyChoice(stored, 6, 5);
  EXPECT_EQ(kept.kind, Kind::Kept);
  EXPECT_TRUE(kept.enableApply);
  EXPECT_EQ(stored, 5);
  stored = 6;
  EXPECT_EQ(CommitOneKeyChoice(stored, 0, 0).kind, Kind::Kept);  // both unassigned
  KeyChoice other = 0;
  EXPECT_EQ(CommitOneKeyChoice(other, 0, 0).kind, Kind::Kept);
}

// ----------------------------------------------------------------- layouts

TEST(KeyboardLayouts, RenameTheModifiersButNeverTheirKeys) {
  struct Case {
    uint32_t layout;
    unsigned names[6];
  } const cases[] = {
      {29, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
            IDS_KEY_LEFT_ALT, IDS_KEY_RIGHT_ALT}},
      {13, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
            IDS_KEY_LEFT_ALT, IDS_KEY_RIGHT_ALT}},
      {8, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_STRG, IDS_KEY_RIGHT_STRG,
           IDS_KEY_ALT, IDS_KEY_ALTGR}},
      {2, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
           IDS_KEY_ALT, IDS_KEY_ALTCAR}},
      {0, {IDS_KEY_ENGLISH, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
           IDS_KEY_LEFT_ALT, IDS_KEY_RIGHT_ALTGR}},
      {7, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
           IDS_KEY_ALT, IDS_KEY_ALTGR}},
      {28, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
            IDS_KEY_ALT, IDS_KEY_ALTGR}},
      {99, {IDS_KEY_LEFT_SHIFT, IDS_KEY_RIGHT_SHIFT, IDS_KEY_LEFT_CTRL, IDS_KEY_RIGHT_CTRL,
            IDS_KEY_LEFT_ALT, IDS_KEY_RIGHT_ALT}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << c.layout);
    const auto items = ModifierListForLayout(c.layout);
    EXPECT_EQ(items[0].textId, unsigned{IDS_NOT_ASSIGNED});
    for (size_t choice = 1; choice < items.size(); ++choice) {
      EXPECT_EQ(items[choice].textId, c.names[choice - 1]) << "choice " << choice;
      EXPECT_EQ(items[choice].vk, FirstKeyTable[choice].vk) << "choice " << choice;
    }
  }
}

TEST(KeyboardLayouts, KeySymbolsOfArabicAndKoreanKeyboards) {
  auto images = [](uint32_t layout) {
    std::vector<int> out;
    for (const KeyItem& item : ModifierListForLayout(layout)) out.push_back(item.image);
    return out;
  };
  const int none = kNoImage;
  EXPECT_EQ(images(29), (std::vector{none, kShiftSymbol, kShiftSymbol, none, none, none, none}));
  EXPECT_EQ(images(kLayoutArabic),
            (std::vector{none, kShiftSymbol, kArabicSymbol, none, none, none, none}));
  EXPECT_EQ(images(kLayoutKorean), (std::vector{none, kShiftSymbol, kShiftSymbol, none,
                                                kHanjaSymbol, none, kHanYeongSymbol}));
}

TEST(KeyboardLayouts, TableNumbersLayoutsAlphabeticallyWithTheirNames) {
  for (size_t i = 0; i < kLayoutCount; ++i) EXPECT_EQ(KeyboardLayoutTable[i].number, i);
  EXPECT_EQ(KeyboardLayoutTable[8].nameId, unsigned{IDS_LAYOUT_GERMAN});
  EXPECT_EQ(KeyboardLayoutTable[29].nameId, unsigned{IDS_LAYOUT_US_ENGLISH});
}

// ----------------------------------------------------------------- notebook page

NotebookChoices LoadedNotebook(const VrKbMap& keys, const VrKbBrwMap& rows = {}) {
  NotebookChoices page;
  page.Clear();
  page.LoadPageChoices(keys, rows);
  return page;
}

TEST(NotebookChoices, DefaultsShowRightAltAsTheWindowsKey) {
  const NotebookChoices page = LoadedNotebook({{{vk::RMenu, vk::LWin}, {0, 0}}});
  EXPECT_EQ(page.Key(OneKey::Windows), 6);
  EXPECT_EQ(page.Key(OneKey::Application), kNotAssigned);
}

TEST(NotebookChoices, RecordsFromChoices) {
  NotebookChoices page = LoadedNotebook({{{vk::RMenu, vk::LWin}, {0, 0}}});
  EXPECT_EQ(page.SelectKey(OneKey::Application, 6).messageId, unsigned{IDS_MSG_DUPLICATE_KEY});
  ASSERT_EQ(page.SelectKey(OneKey::Windows, 3).kind, Kind::Kept);  // Left Ctrl
  ASSERT_EQ(page.SelectKey(OneKey::Application, 6).kind, Kind::Kept);
  ASSERT_EQ(page.Rows().CommitRowChoice(0, RowSide::First, 4).kind, Kind::Kept);
  ASSERT_EQ(page.Rows().CommitRowChoice(0, RowSide::Second, 2).kind, Kind::Kept);
  ASSERT_EQ(page.Rows().CommitRowChoice(2, RowSide::Second, 1).kind, Kind::Kept);
  ASSERT_EQ(page.Rows().CommitRowChoice(2, RowSide::First, 2).kind, Kind::Kept);
  ASSERT_TRUE(page.SelectLayout(8));  // renames only

  const auto [keys, rows] = page.BuildPageRecord();
  EXPECT_EQ(keys.entries[0].physicalKey, vk::LControl);
  EXPECT_EQ(keys.entries[0].emulatedKey, vk::LWin);
  EXPECT_EQ(keys.entries[1].physicalKey, vk::RMenu);
  EXPECT_EQ(keys.entries[1].emulatedKey, vk::Apps);
  EXPECT_EQ(rows.entries[0].firstKey, vk::RControl);
  EXPECT_EQ(rows.entries[0].secondKey, vk::BrowserForward);
  EXPECT_EQ(rows.entries[1].firstKey, vk::None);
  EXPECT_EQ(rows.entries[1].secondKey, vk::None);
  EXPECT_EQ(rows.entries[2].firstKey, vk::RShift);
  EXPECT_EQ(rows.entries[2].secondKey, vk::BrowserBack);
  EXPECT_EQ(page.Layout(), 8u);
  EXPECT_FALSE(page.WindowsKeyIsShift());
}

TEST(NotebookChoices, UnassignedKeysWriteNoEmulatedKey) {
  NotebookChoices page = LoadedNotebook({{{vk::RMenu, vk::LWin}, {0, 0}}});
  page.SelectKey(OneKey::Windows, kNotAssigned);
  const VrKbMap keys = page.BuildPageRecord().keys;
  EXPECT_EQ(keys.entries[0].physicalKey, vk::None);
  EXPECT_EQ(keys.entries[0].emulatedKey, vk::None);
}

TEST(NotebookChoices, AShiftWindowsKeyAsksForTheStickyKeysHotKeyOff) {
  for (KeyChoice shift : {1, 2}) {
    NotebookChoices page = LoadedNotebook({});
    page.SelectKey(OneKey::Windows, shift);
    EXPECT_TRUE(page.WindowsKeyIsShift());
  }
  NotebookChoices page = LoadedNotebook({});
  page.SelectKey(OneKey::Application, 1);  // the Application key does not count
  EXPECT_FALSE(page.WindowsKeyIsShift());
}

TEST(NotebookChoices, AnUnknownWindowsKeyIsKeptUntilTheUserPicks) {
  NotebookChoices page = LoadedNotebook({{{0x5C, vk::LWin}, {0, 0}}});
  EXPECT_EQ(page.Key(OneKey::Windows), kNotAssigned);
  EXPECT_EQ(page.BuildPageRecord().keys.entries[0].physicalKey, 0x5Cu);
  page.SelectKey(OneKey::Windows, 5);
  EXPECT_EQ(page.BuildPageRecord().keys.entries[0].physicalKey, vk::LMenu);
}

TEST(NotebookChoices, IncompleteRowsAreNamed) {
  NotebookChoices page = LoadedNotebook({});
  page.Rows().CommitRowChoice(1, RowSide::Second, 2);
  ASSERT_EQ(page.FirstIncompleteRow(), 1u);
  EXPECT_EQ(NotebookChoices::RowNameId(1), unsigned{IDS_FN_VOLUME_UP_CONTROL});
}

}  // namespace
}  // namespace tavel::panel
