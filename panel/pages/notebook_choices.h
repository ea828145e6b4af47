// What the notebook keyboard page holds while the user works: the keys that
// act as the Windows and Application keys, the three browser-key
// combinations (CD/DVD eject, volume up, volume down) and the layout.
#pragma once

#include <optional>

#include "common/records.h"
#include "panel/pages/key_rows.h"

namespace tavel::panel {

enum class OneKey { Windows, Application };

class NotebookChoices {
 public:
  static constexpr size_t kRows = VrKbBrwMap::kEntries;

  NotebookChoices();

  // Every key choice "(not assigned)".
  void Clear();
  // The Windows and Application keys from the first record (its emulated
  // keys are implied by the row), the rows from the second.
  void LoadPageChoices(const VrKbMap& keys, const VrKbBrwMap& rows);

  KeyChoice Key(OneKey which) const;
  // Eject, volume up, volume down.
  ComboRows& Rows() { return rows_; }
  const ComboRows& Rows() const { return rows_; }
  uint32_t Layout() const { return layout_; }

  ChoiceResult SelectKey(OneKey which, KeyChoice selection);
  // True when the layout changed (renaming the modifier items, nothing else).
  bool SelectLayout(uint32_t layout);

  // Apply: the first row with only one key chosen, if any.
  std::optional<size_t> FirstIncompleteRow() const { return rows_.FirstIncompleteRow(); }
  struct Records {
    VrKbMap keys;
    VrKbBrwMap rows;
  };
  Records BuildPageRecord() const;
  // A Shift key acts as the Windows key: its StickyKeys hot key must go.
  bool WindowsKeyIsShift() const;

  // The function names of the rows, for the incomplete-row message.
  static unsigned RowNameId(size_t row);
  // What a screen reader calls the one-key lists and the layout list.
  static unsigned OneKeyNameId(OneKey which);
  static unsigned LayoutNameId();

 private:
  struct OneKeyList {
    KeyChoice choice = kNotLoaded;
    // A stored entry the list cannot show as it is (a key outside the table,
    // or another emulated key): written back unchanged until the user picks
    // another item in the list.
    std::optional<KeyRemap> storedKept;
  };
  OneKeyList& List(OneKey which) { return which == OneKey::Windows ? windows_ : application_; }
  const OneKeyList& List(OneKey which) const {
    return which == OneKey::Windows ? windows_ : application_;
  }
  static Vk EmulatedKey(OneKey which) { return which == OneKey::Windows ? vk::LWin : vk::Apps; }
  KeyRemap Built(OneKey which) const;
  KeyRemap BuildKey(OneKey which) const;

  uint32_t layout_;
  OneKeyList windows_;
  OneKeyList application_;
  ComboRows rows_;
};

}  // namespace tavel::panel
