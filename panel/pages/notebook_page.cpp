#include "panel/pages/notebook_page.h"

#include <iterator>

#include "common/keyboard_layout.h"
#include "common/settings_store.h"
#include "panel/framework/dpi.h"
#include "panel/framework/resource_text.h"
#include "panel/pages/key_list_view.h"
#include "panel/pages/keyboard_layouts.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr int kWindowsKeyList = IDC_TKB_WINDOWS_KEY;
constexpr int kAppKeyList = IDC_TKB_APP_KEY;

struct RowIds {
  int label, equals, first, plus, second;
};
constexpr RowIds kRows[NotebookChoices::kRows] = {
    {IDC_TKB_EJECT_LABEL, IDC_TKB_EJECT_EQUALS, IDC_TKB_EJECT_FIRST, IDC_TKB_EJECT_PLUS,
     IDC_TKB_EJECT_SECOND},
    {IDC_TKB_VOLUP_LABEL, IDC_TKB_VOLUP_EQUALS, IDC_TKB_VOLUP_FIRST, IDC_TKB_VOLUP_PLUS,
     IDC_TKB_VOLUP_SECOND},
    {IDC_TKB_VOLDOWN_LABEL, IDC_TKB_VOLDOWN_EQUALS, IDC_TKB_VOLDOWN_FIRST, IDC_TKB_VOLDOWN_PLUS,
     IDC_TKB_VOLDOWN_SECOND},
};

// The eight key lists; the first five list modifiers.
constexpr int kKeyLists[8] = {kWindowsKeyList,        kAppKeyList,
                              IDC_TKB_EJECT_FIRST,    IDC_TKB_VOLUP_FIRST,
                              IDC_TKB_VOLDOWN_FIRST,  IDC_TKB_EJECT_SECOND,
                              IDC_TKB_VOLUP_SECOND,   IDC_TKB_VOLDOWN_SECOND};
constexpr int kModifierListCount = 5;

struct ListPlace {
  bool oneKey;
  OneKey key;  // one-key lists
  size_t row;  // rows
  RowSide side;
};

std::optional<ListPlace> PlaceOf(int id) {
  if (id == kWindowsKeyList) return ListPlace{true, OneKey::Windows, 0, RowSide::First};
  if (id == kAppKeyList) return ListPlace{true, OneKey::Application, 0, RowSide::First};
  for (size_t row = 0; row < std::size(kRows); ++row) {
    if (id == kRows[row].first) return ListPlace{false, {}, row, RowSide::First};
    if (id == kRows[row].second) return ListPlace{false, {}, row, RowSide::Second};
  }
  return std::nullopt;
}

HIMAGELIST IconList(int width, int height, std::initializer_list<int> icons) {
  const int cx = ui::ScalePixels(width), cy = ui::ScalePixels(height);
  HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 0, 1);
  for (int id : icons) {
    auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0));
    if (!icon) continue;
    ImageList_ReplaceIcon(list, -1, icon);
    DestroyIcon(icon);
  }
  return list;
}

void InsertItems(HWND comboEx, std::span<const KeyItem> items) {
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

}  // namespace

CKmpTKbPg::CKmpTKbPg(PageEnvironment& env)
    : CSettingsPage(IDD_NOTEBOOK_KB_PAGE, IDC_TKB_DISABLED_HINT, IDC_TKB_ENABLE, env) {
  // Apply may run before the page is first shown: it then writes back what
  // was loaded.
  choices_.Clear();
  choices_.LoadPageChoices(Settings().vrKbMap, Settings().vrKbBrwMap);
  choices_.SelectLayout(Settings().vrKbLangId);
}

CKmpTKbPg::~CKmpTKbPg() {
  if (modifierSymbols_) ImageList_Destroy(modifierSymbols_);
  if (browserSymbols_) ImageList_Destroy(browserSymbols_);
}

BOOL CKmpTKbPg::OnInitDialog() {
  CSettingsPage::OnInitDialog();
  HFONT bold = DialogFontVariant(600);
  for (int id : {IDC_TKB_HEAD_FUNCTION, IDC_TKB_HEAD_FIRST, IDC_TKB_HEAD_SECOND}) {
    SetFont(id, bold);
  }
  layoutList_.Attach(Item(IDC_TKB_LAYOUT));
  for (size_t i = 0; i < std::size(kKeyLists); ++i) keyLists_[i].Attach(Item(kKeyLists[i]));
  CreateImageLists();
  FillLayoutList();
  FillKeyLists();
  choices_.Clear();
  choices_.LoadPageChoices(Settings().vrKbMap, Settings().vrKbBrwMap);
  EnableBrowserRows(Env().browserKeysEnabled());
  ShowPageChoices();
  return TRUE;
}

void CKmpTKbPg::CreateImageLists() {
  modifierSymbols_ =
      IconList(32, 16, {IDI_SHIFT_KEY, IDI_ARABIC_KEY, IDI_HANJA_KEY, IDI_HAN_YEONG_KEY});
  browserSymbols_ = IconList(16, 16, {IDI_BROWSER_BACK, IDI_BROWSER_FORWARD});
  for (size_t i = 0; i < std::size(kKeyLists); ++i) {
    HIMAGELIST list = i < kModifierListCount ? modifierSymbols_ : browserSymbols_;
    SendMessageW(Item(kKeyLists[i]), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
  }
}

// The list sorts the names in the user's language; each item carries its
// layout number.
void CKmpTKbPg::FillLayoutList() {
  HWND list = Item(IDC_TKB_LAYOUT);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const KeyboardLayout& layout : KeyboardLayoutTable) {
    const LRESULT position = SendMessageW(list, CB_ADDSTRING, 0,
                                          reinterpret_cast<LPARAM>(ui::LoadText(layout.nameId).c_str()));
    if (position >= 0) SendMessageW(list, CB_SETITEMDATA, position, layout.number);
  }
  auto positionOf = [list](uint32_t number) -> LRESULT {
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      if (static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, i, 0)) == number) return i;
    }
    return 0;
  };
  // No stored layout: US English. A stored number that names no layout:
  // the first of the list.
  uint32_t stored = kLayoutUsEnglish;
  ReadStatus(Env().registry, status::kVrKbLangId, stored);
  SendMessageW(list, CB_SETCURSEL, positionOf(stored), 0);
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  choices_.SelectLayout(static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, selected, 0)));
}

void CKmpTKbPg::FillKeyLists() {
  const auto modifiers = ModifierListForLayout(choices_.Layout());
  for (size_t i = 0; i < std::size(kKeyLists); ++i) {
    if (i < kModifierListCount) {
      InsertItems(Item(kKeyLists[i]), modifiers);
    } else {
      InsertItems(Item(kKeyLists[i]), BrowserSecondKeyTable);
    }
  }
}

KeyChoice CKmpTKbPg::StoredChoice(int listId) const {
  const auto place = PlaceOf(listId);
  if (!place) return kNotAssigned;
  if (place->oneKey) return choices_.Key(place->key);
  return choices_.Rows()[place->row].On(place->side);
}

void CKmpTKbPg::ShowPageChoices() const {
  for (int id : kKeyLists) ShowChoice(Item(id), StoredChoice(id));
}

void CKmpTKbPg::EnableBrowserRows(bool enable) const {
  for (const RowIds& row : kRows) {
    for (int id : {row.label, row.equals, row.first, row.plus, row.second}) {
      EnableWindow(Item(id), enable);
    }
  }
}

void CKmpTKbPg::OnSetActive() {
  CSettingsPage::OnSetActive();
  EnableBrowserRows(Env().browserKeysEnabled());
  ShowPageChoices();
}

bool CKmpTKbPg::OnCommand(int id, int notifyCode) {
  if (id == IDC_TKB_LAYOUT && notifyCode == CBN_SELCHANGE) {
    OnLayoutChanged();
    return true;
  }
  if (notifyCode == CBN_SELENDOK) return OnKeyPicked(id);
  if (notifyCode == CBN_CLOSEUP && PlaceOf(id)) {
    RestoreRowChoice(id);
    return true;
  }
  return CSettingsPage::OnCommand(id, notifyCode);
}

void CKmpTKbPg::OnLayoutChanged() {
  HWND list = Item(IDC_TKB_LAYOUT);
  const LRESULT position = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (position < 0) return;
  if (choices_.SelectLayout(static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, position, 0)))) {
    Env().settingChanged();
  }
  FillKeyLists();
  ShowPageChoices();
}

bool CKmpTKbPg::OnKeyPicked(int id) {
  const auto place = PlaceOf(id);
  if (!place) return false;
  HWND picked = Item(id);
  const KeyChoice selection = SelectedChoice(picked);
  if (place->oneKey) {
    const ChoiceResult result = choices_.SelectKey(place->key, selection);
    CarryOut(result, {picked, picked, picked, choices_.Key(place->key)}, Handle(),
             Env().settingChanged);
  } else {
    const ChoiceResult result = choices_.SelectRowKey(place->row, place->side, selection);
    const RowIds& row = kRows[place->row];
    CarryOut(result, {picked, Item(row.first), Item(row.second), StoredChoice(id)}, Handle(),
             Env().settingChanged);
  }
  return true;
}

bool CKmpTKbPg::OnTabKey(HWND focus, bool shift) {
  if (shift) {
    if (!FocusIn(focus, IDC_TKB_ENABLE)) return false;
    FocusTabStrip();
    return true;
  }
  const bool lastRow = FocusIn(focus, IDC_TKB_VOLDOWN_SECOND);
  const bool lastEnabled = FocusIn(focus, kAppKeyList) && !Env().browserKeysEnabled();
  if (!lastRow && !lastEnabled) return false;
  FocusOptionsButton();
  return true;
}

void CKmpTKbPg::RestoreRowChoice(int listId) const { ShowChoice(Item(listId), StoredChoice(listId)); }

NotebookPageValues CKmpTKbPg::Values() const {
  const NotebookChoices::Records records = choices_.BuildPageRecord();
  return {EnableCheck(), choices_.Layout(), choices_.WindowsKeyIsShift(), records.keys,
          records.rows};
}

bool CKmpTKbPg::ValidateCompleteRows() const {
  const auto row = choices_.FirstIncompleteRow();
  if (!row) return true;
  ShowIncompleteRow(Handle(), NotebookChoices::RowNameId(*row));
  return false;
}

void CKmpTKbPg::ResetTo(const VrKbMap& keys) {
  choices_.Clear();
  choices_.LoadPageChoices(keys, VrKbBrwMap{});
  if (Handle()) ShowPageChoices();
}

}  // namespace tavel::panel
