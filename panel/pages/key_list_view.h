// What the pages do to their key lists: fill them from a key table, show a
// stored choice, read the user's pick, and carry out what the rules decided.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <span>

#include "panel/core/spoken_names.h"
#include "panel/pages/key_rows.h"

namespace tavel::panel {

KeyChoice SelectedChoice(HWND list);
void ShowChoice(HWND list, KeyChoice choice);

// A plain drop-down list of the items' texts.
void FillList(HWND combo, std::span<const KeyItem> items);
// An extended list with each item's image (kNoImage: text only).
void FillExtendedList(HWND comboEx, std::span<const KeyItem> items);
// Masked icons of the program, `width` by `height` pixels, in the colour
// depth ILC_COLOR8 or ILC_COLOR32; the caller owns the list.
HIMAGELIST CreateIconList(int width, int height, UINT colour, std::span<const int> iconIds);
// The same in full colour, at a size given for 96 dpi.
HIMAGELIST CreateScaledIconList(int width, int height, std::initializer_list<int> iconIds);

// The program's message boxes: OK, the exclamation icon, "Tavelkit".
void ShowUserMessage(HWND owner, unsigned messageId);
// "Please make both First Key and Second Key selections for: <function>."
void ShowIncompleteRow(HWND owner, unsigned functionNameId);

// Kept: Apply is enabled when the choice changed. Row cleared: both lists
// show "(not assigned)". Refused: the message, then the stored choice again.
struct PickedLists {
  HWND picked;
  HWND first;   // the row's lists; the same as picked for a one-key list
  HWND second;
  KeyChoice storedChoice;  // of the picked list, after the rules ran
};
void CarryOut(const ChoiceResult& result, const PickedLists& lists, HWND owner,
              const std::function<void()>& settingChanged);

// The dialog ids of a page's two-key rows, in row order.
struct RowListIds {
  int first;
  int second;
};

// A page's two-key rows bound to their lists.
class RowLists {
 public:
  RowLists(ComboRows& rows, std::span<const RowListIds> ids) : rows_(rows), ids_(ids) {}

  bool Owns(int listId) const { return Find(listId).has_value(); }
  // CBN_SELENDOK: the user picked in one of the lists.
  void CommitRowChoice(HWND page, int listId, const std::function<void()>& settingChanged);
  // CBN_CLOSEUP: the list shows its stored choice again.
  void RestoreRowChoice(HWND page, int listId) const;
  void ShowPageChoices(HWND page) const;
  // Screen readers hear each list as its row's name and its column.
  void Expose(HWND page, const std::function<SpokenRow(size_t row)>& spokenRow) const;

 private:
  struct Place {
    size_t row;
    RowSide side;
  };
  std::optional<Place> Find(int listId) const;

  ComboRows& rows_;
  std::span<const RowListIds> ids_;
};

}  // namespace tavel::panel
