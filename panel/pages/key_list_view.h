// What the pages do to their key lists: show a stored choice, read the
// user's pick, and carry out what the rules decided about it.
#pragma once

#include <windows.h>

#include <functional>

#include "panel/pages/key_rows.h"

namespace tavel::panel {

KeyChoice SelectedChoice(HWND list);
void ShowChoice(HWND list, KeyChoice choice);

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

}  // namespace tavel::panel
