#include "panel/pages/key_list_view.h"

#include <string>

#include "panel/framework/resource_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

void ShowText(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), ui::LoadText(IDS_APP_TITLE).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

KeyChoice SelectedChoice(HWND list) {
  return static_cast<KeyChoice>(SendMessageW(list, CB_GETCURSEL, 0, 0));
}

void ShowChoice(HWND list, KeyChoice choice) { SendMessageW(list, CB_SETCURSEL, choice, 0); }

void ShowUserMessage(HWND owner, unsigned messageId) { ShowText(owner, ui::LoadText(messageId)); }

void ShowIncompleteRow(HWND owner, unsigned functionNameId) {
  // The text comes from the string table of any language: it is searched for
  // its insert, never handed to a formatting function.
  std::wstring text = ui::LoadText(IDS_MSG_INCOMPLETE_ROW);
  const size_t insert = text.find(L"%s");
  if (insert != std::wstring::npos) text.replace(insert, 2, ui::LoadText(functionNameId));
  ShowText(owner, text);
}

void CarryOut(const ChoiceResult& result, const PickedLists& lists, HWND owner,
              const std::function<void()>& settingChanged) {
  switch (result.kind) {
    case ChoiceResult::Kind::Kept:
      if (result.enableApply) settingChanged();
      break;
    case ChoiceResult::Kind::RowCleared:
      ShowChoice(lists.first, kNotAssigned);
      ShowChoice(lists.second, kNotAssigned);
      settingChanged();
      break;
    case ChoiceResult::Kind::Refused:
      ShowUserMessage(owner, result.messageId);
      ShowChoice(lists.picked, lists.storedChoice);
      break;
  }
}

}  // namespace tavel::panel
