#include "panel/pages/notebook_page.h"

#include <iterator>

#include "common/keyboard_layout.h"
#include "common/settings_store.h"
#include "panel/framework/accessible_controls.h"
#include "panel/framework/resource_text.h"
#include "panel/pages/key_list_view.h"
#include "panel/pages/keyboard_layouts.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr int kWindowsKeyList = IDC_TKB_WINDOWS_KEY;
constexpr int kAppKeyList = IDC_TKB_APP_KEY;

// Eject, volume up, volume down.
constexpr RowListIds kRowLists[NotebookChoices::kRows] = {
    {IDC_TKB_EJECT_FIRST, IDC_TKB_EJECT_SECOND},
    {IDC_TKB_VOLUP_FIRST, IDC_TKB_VOLUP_SECOND},
    {IDC_TKB_VOLDOWN_FIRST, IDC_TKB_VOLDOWN_SECOND},
};
// Everything of those rows, greyed together while the browser keys are off.
constexpr int kRowControls[] = {
    IDC_TKB_EJECT_LABEL,   IDC_TKB_EJECT_EQUALS,   IDC_TKB_EJECT_FIRST,   IDC_TKB_EJECT_PLUS,
    IDC_TKB_EJECT_SECOND,  IDC_TKB_VOLUP_LABEL,    IDC_TKB_VOLUP_EQUALS,  IDC_TKB_VOLUP_FIRST,
    IDC_TKB_VOLUP_PLUS,    IDC_TKB_VOLUP_SECOND,   IDC_TKB_VOLDOWN_LABEL, IDC_TKB_VOLDOWN_EQUALS,
    IDC_TKB_VOLDOWN_FIRST, IDC_TKB_VOLDOWN_PLUS,   IDC_TKB_VOLDOWN_SECOND};

// The eight key lists; the first five list modifiers.
constexpr int kKeyLists[8] = {kWindowsKeyList,        kAppKeyList,
                              IDC_TKB_EJECT_FIRST,    IDC_TKB_VOLUP_FIRST,
                              IDC_TKB_VOLDOWN_FIRST,  IDC_TKB_EJECT_SECOND,
                              IDC_TKB_VOLUP_SECOND,   IDC_TKB_VOLDOWN_SECOND};
constexpr int kModifierListCount = 5;

std::optional<OneKey> OneKeyOf(int id) {
  if (id == kWindowsKeyList) return OneKey::Windows;
  if (id == kAppKeyList) return OneKey::Application;
  return std::nullopt;
}

}  // namespace

CKmpTKbPg::CKmpTKbPg(PageEnvironment& env)
    : CSettingsPage(IDD_NOTEBOOK_KB_PAGE, IDC_TKB_DISABLED_HINT, IDC_TKB_ENABLE, env),
      rowLists_(choices_.Rows(), kRowLists) {
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
  ExposeLists();
  choices_.Clear();
  choices_.LoadPageChoices(Settings().vrKbMap, Settings().vrKbBrwMap);
  EnableBrowserRows(Env().browserKeysEnabled());
  ShowPageChoices();
  return TRUE;
}

void CKmpTKbPg::CreateImageLists() {
  modifierSymbols_ = CreateScaledIconList(
      32, 16, {IDI_SHIFT_KEY, IDI_ARABIC_KEY, IDI_HANJA_KEY, IDI_HAN_YEONG_KEY});
  browserSymbols_ = CreateScaledIconList(16, 16, {IDI_BROWSER_BACK, IDI_BROWSER_FORWARD});
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
    const std::wstring name = ui::LoadText(layout.nameId);
    const LRESULT position = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (position >= 0) SendMessageW(list, CB_SETITEMDATA, position, layout.number);
  }
  auto positionOf = [list](uint32_t number) -> LRESULT {
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      if (static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, i, 0)) == number) return i;
    }
    return LRESULT{CB_ERR};
  };
  // No stored layout: US English. A stored number that names no layout
  // selects nothing and is written back as it is until the user picks one.
  uint32_t stored = kLayoutUsEnglish;
  ReadStatus(Env().context.registry, status::kVrKbLangId, stored);
  SendMessageW(list, CB_SETCURSEL, positionOf(stored), 0);
  choices_.SelectLayout(stored);
}

void CKmpTKbPg::FillKeyLists() {
  const auto modifiers = ModifierListForLayout(choices_.Layout());
  for (size_t i = 0; i < std::size(kKeyLists); ++i) {
    FillExtendedList(Item(kKeyLists[i]),
                     i < kModifierListCount ? std::span<const KeyItem>(modifiers)
                                            : BrowserSecondKeyTable);
  }
}

void CKmpTKbPg::ExposeLists() const {
  ui::ExposeList(Item(IDC_TKB_LAYOUT), ui::LoadText(NotebookChoices::LayoutNameId()));
  ui::ExposeList(Item(kWindowsKeyList), ui::LoadText(NotebookChoices::OneKeyNameId(OneKey::Windows)));
  ui::ExposeList(Item(kAppKeyList), ui::LoadText(NotebookChoices::OneKeyNameId(OneKey::Application)));
  rowLists_.Expose(Handle(), [](size_t row) { return SpokenRow{NotebookChoices::RowNameId(row)}; });
}

void CKmpTKbPg::ShowPageChoices() const {
  ShowChoice(Item(kWindowsKeyList), choices_.Key(OneKey::Windows));
  ShowChoice(Item(kAppKeyList), choices_.Key(OneKey::Application));
  rowLists_.ShowPageChoices(Handle());
}

void CKmpTKbPg::EnableBrowserRows(bool enable) const {
  for (int id : kRowControls) EnableWindow(Item(id), enable);
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
  const auto oneKey = OneKeyOf(id);
  if (!oneKey && !rowLists_.Owns(id)) return CSettingsPage::OnCommand(id, notifyCode);
  if (notifyCode == CBN_SELENDOK) {
    if (oneKey) {
      OnOneKeyPicked(*oneKey, id);
    } else {
      rowLists_.CommitRowChoice(Handle(), id, Env().settingChanged);
    }
  } else if (notifyCode == CBN_CLOSEUP) {
    if (oneKey) {
      ShowChoice(Item(id), choices_.Key(*oneKey));
    } else {
      rowLists_.RestoreRowChoice(Handle(), id);
    }
  }
  return true;
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

void CKmpTKbPg::OnOneKeyPicked(OneKey which, int id) {
  HWND picked = Item(id);
  const ChoiceResult result = choices_.SelectKey(which, SelectedChoice(picked));
  CarryOut(result, {picked, picked, picked, choices_.Key(which)}, Handle(), Env().settingChanged);
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

NotebookPageValues CKmpTKbPg::Values() const {
  const NotebookChoices::Records records = choices_.BuildPageRecord();
  return {EnableCheck(), choices_.Layout(), choices_.WindowsKeyIsShift(), records.keys,
          records.rows};
}

bool CKmpTKbPg::ValidateCompleteRows() const {
  const auto row = choices_.FirstIncompleteRow();
  if (!row) return true;
  ShowIncompleteRow(MessageOwner(), NotebookChoices::RowNameId(*row));
  return false;
}

void CKmpTKbPg::ResetTo(const VrKbMap& keys) {
  choices_.Clear();
  choices_.LoadPageChoices(keys, VrKbBrwMap{});
  if (Handle()) ShowPageChoices();
}

}  // namespace tavel::panel
