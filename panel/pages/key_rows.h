// The rules of the assignment pages' key lists: a row of a first and a
// second key is either complete or empty at Apply, no two complete rows of a
// page share a combination, and the Windows and Application keys differ.
// The lists of a row show its stored choices except while the user picks in
// one of them, so the rules compare the new selection with stored choices.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "panel/pages/key_tables.h"

namespace tavel::panel {

enum class RowSide { First, Second };

struct TwoKeyRow {
  KeyChoice first = kNotLoaded;
  KeyChoice second = kNotLoaded;
  KeyChoice& On(RowSide side) { return side == RowSide::First ? first : second; }
  KeyChoice On(RowSide side) const { return side == RowSide::First ? first : second; }
};

// What a page does with a list once the user has picked an item.
struct ChoiceResult {
  enum class Kind {
    Kept,        // the list keeps the item
    RowCleared,  // "(not assigned)": both lists of the row show item 0
    Refused,     // the message is shown and the list returns to its stored choice
  };
  Kind kind;
  bool enableApply = false;
  unsigned messageId = 0;
};

// Two keys that type a single choice: the Windows and Application key lists.
// True when `selection` may be kept beside the other list's choice.
bool CheckUniqueKey(KeyChoice selection, KeyChoice otherSelection);
ChoiceResult CommitOneKeyChoice(KeyChoice& stored, KeyChoice otherStored, KeyChoice selection);

// The two-key rows of one page, with the page's two key tables.
class ComboRows {
 public:
  ComboRows(size_t count, KeyTable firstKeys, KeyTable secondKeys);

  size_t size() const { return rows_.size(); }
  const TwoKeyRow& operator[](size_t row) const { return rows_[row]; }
  KeyTable FirstKeys() const { return firstKeys_; }
  KeyTable SecondKeys() const { return secondKeys_; }

  // Every choice "(not assigned)".
  void Clear();
  // A code outside a table loads as "(not assigned)". A row the lists
  // cannot show as stored (a code outside them) keeps its stored
  // combination for Apply until the user picks in it, and Apply does not ask
  // for it to be completed: the hook honours it as it is.
  void LoadPageChoices(std::span<const KeyCombo> entries);
  KeyCombo BuildPageRecord(size_t row) const;

  // The user picked `selection` in one list of a row.
  ChoiceResult CommitRowChoice(size_t row, RowSide side, KeyChoice selection);
  // True when the row's selections may be kept: no other complete row of
  // the page holds the same pair.
  bool CheckUniqueCombination(size_t row, TwoKeyRow selections, RowSide changed) const;
  // The first row with exactly one key chosen, which Apply refuses; a row
  // kept as stored is never one.
  std::optional<size_t> FirstIncompleteRow() const;

 private:
  KeyCombo Built(size_t row) const;

  KeyTable firstKeys_;
  KeyTable secondKeys_;
  std::vector<TwoKeyRow> rows_;
  std::vector<std::optional<KeyCombo>> storedKept_;
};

}  // namespace tavel::panel
