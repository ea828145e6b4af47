#include "panel/pages/key_list_view.h"

#include <string>

#include "panel/core/spoken_names.h"
#include "panel/framework/accessible_controls.h"
#include "panel/framework/dpi.h"
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

void FillList(HWND combo, std::span<const KeyItem> items) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const KeyItem& item : items) {
    SendMessageW(combo, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(ui::LoadText(item.textId).c_str()));
  }
}

void FillExtendedList(HWND comboEx, std::span<const KeyItem> items) {
  SendMessageW(comboEx, CB_RESETCONTENT, 0, 0);
  for (size_t i = 0; i < items.size(); ++i) {
    std::wstring text = ui::LoadText(items[i].textId);
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(i);
    item.pszText = text.data();
    item.iImage = item.iSelectedImage = items[i].image == kNoImage ? I_IMAGENONE : items[i].image;
    SendMessageW(comboEx, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

HIMAGELIST CreateIconList(int width, int height, UINT colour, std::span<const int> iconIds) {
  HIMAGELIST list = ImageList_Create(width, height, colour | ILC_MASK, 1, 1);
  for (int id : iconIds) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                              IMAGE_ICON, width, height, 0));
    if (!icon) continue;
    ImageList_ReplaceIcon(list, -1, icon);
    DestroyIcon(icon);
  }
  return list;
}

HIMAGELIST CreateScaledIconList(int width, int height, std::initializer_list<int> iconIds) {
  return CreateIconList(ui::ScalePixels(width), ui::ScalePixels(height), ILC_COLOR32,
                        std::span<const int>(iconIds.begin(), iconIds.size()));
}

void ShowUserMessage(HWND owner, unsigned messageId) { ShowText(owner, ui::LoadText(messageId)); }

void ShowIncompleteRow(HWND owner, unsigned functionNameId) {
  ShowText(owner, FillInsert(ui::LoadText(IDS_MSG_INCOMPLETE_ROW), L"%s", ui::LoadText(functionNameId)));
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

std::optional<RowLists::Place> RowLists::Find(int listId) const {
  for (size_t row = 0; row < ids_.size(); ++row) {
    if (listId == ids_[row].first) return Place{row, RowSide::First};
    if (listId == ids_[row].second) return Place{row, RowSide::Second};
  }
  return std::nullopt;
}

void RowLists::CommitRowChoice(HWND page, int listId,
                               const std::function<void()>& settingChanged) {
  const auto place = Find(listId);
  if (!place) return;
  HWND picked = GetDlgItem(page, listId);
  const ChoiceResult result = rows_.CommitRowChoice(place->row, place->side, SelectedChoice(picked));
  const RowListIds& ids = ids_[place->row];
  CarryOut(result,
           {picked, GetDlgItem(page, ids.first), GetDlgItem(page, ids.second),
            rows_[place->row].On(place->side)},
           page, settingChanged);
}

void RowLists::RestoreRowChoice(HWND page, int listId) const {
  if (const auto place = Find(listId)) {
    ShowChoice(GetDlgItem(page, listId), rows_[place->row].On(place->side));
  }
}

void RowLists::ShowPageChoices(HWND page) const {
  for (size_t row = 0; row < ids_.size(); ++row) {
    ShowChoice(GetDlgItem(page, ids_[row].first), rows_[row].first);
    ShowChoice(GetDlgItem(page, ids_[row].second), rows_[row].second);
  }
}

void RowLists::Expose(HWND page, const std::function<SpokenRow(size_t row)>& spokenRow) const {
  const ui::ResourceTexts texts;
  for (size_t row = 0; row < ids_.size(); ++row) {
    const SpokenRow spoken = spokenRow(row);
    ui::ExposeList(GetDlgItem(page, ids_[row].first), SpokenName(spoken, SpokenColumn::FirstKey, texts));
    ui::ExposeList(GetDlgItem(page, ids_[row].second), SpokenName(spoken, SpokenColumn::SecondKey, texts));
  }
}

}  // namespace tavel::panel
