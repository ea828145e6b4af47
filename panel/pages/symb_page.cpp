#include "panel/pages/symb_page.h"

#include <iterator>

#include "panel/framework/accessible_controls.h"
#include "panel/framework/resource_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

constexpr int kCharacterLists[SymbChoices::kRows] = {IDC_SMB_CHAR0, IDC_SMB_CHAR1, IDC_SMB_CHAR2,
                                                      IDC_SMB_CHAR3, IDC_SMB_CHAR4, IDC_SMB_CHAR5};
constexpr RowListIds kRowLists[SymbChoices::kRows] = {
    {IDC_SMB_FIRST0, IDC_SMB_SECOND0}, {IDC_SMB_FIRST1, IDC_SMB_SECOND1},
    {IDC_SMB_FIRST2, IDC_SMB_SECOND2}, {IDC_SMB_FIRST3, IDC_SMB_SECOND3},
    {IDC_SMB_FIRST4, IDC_SMB_SECOND4}, {IDC_SMB_FIRST5, IDC_SMB_SECOND5},
};
// The character icons in character-code order: code c is image c - 1.
constexpr int kCharacterIcons[kSpecialCharacterCount] = {
    IDI_CHAR_EURO,      IDI_CHAR_POUND,      IDI_CHAR_YEN,        IDI_CHAR_CENT,
    IDI_CHAR_COPYRIGHT, IDI_CHAR_REGISTERED, IDI_CHAR_TRADE_MARK, IDI_CHAR_DEGREE,
    IDI_CHAR_PLUS_MINUS, IDI_CHAR_LESS_EQUAL, IDI_CHAR_GREATER_EQUAL};

}  // namespace

CKmpSmbPg::CKmpSmbPg(PageEnvironment& env)
    : CSettingsPage(IDD_SPECIAL_CHAR_PAGE, IDC_SMB_DISABLED_HINT, 0, env),
      rowLists_(choices_.Rows(), kRowLists) {
  choices_.Clear();
  choices_.LoadPageChoices(Settings().symbMap);
}

CKmpSmbPg::~CKmpSmbPg() {
  if (characters_) ImageList_Destroy(characters_);
}

BOOL CKmpSmbPg::OnInitDialog() {
  CSettingsPage::OnInitDialog();
  HFONT bold = DialogFontVariant(600);
  for (int id : {IDC_SMB_HEAD_CHARACTER, IDC_SMB_HEAD_FIRST, IDC_SMB_HEAD_SECOND}) SetFont(id, bold);
  FillLists();
  ExposeLists();
  choices_.Clear();
  choices_.LoadPageChoices(Settings().symbMap);
  ShowPageChoices();
  return TRUE;
}

void CKmpSmbPg::FillLists() {
  // Square small icons, whatever the screen's dots per inch.
  const int side = GetSystemMetrics(SM_CXSMICON);
  characters_ = CreateIconList(side, side, ILC_COLOR8, kCharacterIcons);
  const std::wstring notAssigned = ui::LoadText(IDS_NOT_ASSIGNED);
  for (size_t row = 0; row < std::size(kCharacterLists); ++row) {
    CIconComboBox& list = characterLists_[row];
    list.Attach(Item(kCharacterLists[row]));
    list.SetImageList(characters_);
    SendMessageW(list.Handle(), CB_RESETCONTENT, 0, 0);
    list.Add(notAssigned.c_str(), CIconComboBox::kTextItem);
    // Each character shows as its picture; its name is for screen readers.
    for (LPARAM image = 0; image < static_cast<LPARAM>(kSpecialCharacterCount); ++image) {
      list.Add(ui::LoadText(SymbChoices::CharacterNameId(static_cast<int32_t>(image) + 1)).c_str(), image);
    }
    keyLists_[2 * row].Attach(Item(kRowLists[row].first));
    keyLists_[2 * row + 1].Attach(Item(kRowLists[row].second));
    FillList(Item(kRowLists[row].first), ShiftKeyTable);
    FillList(Item(kRowLists[row].second), NumberSecondKeyTable);
  }
}

void CKmpSmbPg::ExposeLists() const {
  const ui::ResourceTexts texts;
  for (size_t row = 0; row < std::size(kCharacterLists); ++row) {
    ui::ExposeList(Item(kCharacterLists[row]),
                   SpokenName(SymbChoices::SpokenRowOf(row), SpokenColumn::Whole, texts));
  }
  rowLists_.Expose(Handle(), SymbChoices::SpokenRowOf);
}

void CKmpSmbPg::ShowPageChoices() const {
  for (size_t row = 0; row < std::size(kCharacterLists); ++row) {
    // A code no item stands for selects nothing.
    ShowChoice(Item(kCharacterLists[row]), choices_.Character(row));
  }
  rowLists_.ShowPageChoices(Handle());
}

void CKmpSmbPg::OnSetActive() {
  CSettingsPage::OnSetActive();
  ShowPageChoices();
}

std::optional<size_t> CKmpSmbPg::CharacterRow(int id) const {
  for (size_t row = 0; row < std::size(kCharacterLists); ++row) {
    if (kCharacterLists[row] == id) return row;
  }
  return std::nullopt;
}

bool CKmpSmbPg::OnCommand(int id, int notifyCode) {
  if (const auto row = CharacterRow(id)) {
    // Any character, in any number of rows: no rule applies.
    if (notifyCode == CBN_SELENDOK && choices_.SelectCharacter(*row, SelectedChoice(Item(id)))) {
      Env().settingChanged();
    }
    if (notifyCode == CBN_CLOSEUP) ShowChoice(Item(id), choices_.Character(*row));
    return true;
  }
  if (!rowLists_.Owns(id)) return CSettingsPage::OnCommand(id, notifyCode);
  if (notifyCode == CBN_SELENDOK) rowLists_.CommitRowChoice(Handle(), id, Env().settingChanged);
  if (notifyCode == CBN_CLOSEUP) rowLists_.RestoreRowChoice(Handle(), id);
  return true;
}

// The character lists draw their items here. Their height is asked for
// while the dialog is still being created, before any list is attached.
INT_PTR CKmpSmbPg::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM && CharacterRow(static_cast<int>(wParam))) {
    CIconComboBox::MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    if (const auto row = CharacterRow(static_cast<int>(wParam))) {
      characterLists_[*row].DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    }
  }
  return CSettingsPage::DialogProc(message, wParam, lParam);
}

bool CKmpSmbPg::OnTabKey(HWND focus, bool shift) {
  if (!FocusIn(focus, shift ? IDC_SMB_CHAR0 : IDC_SMB_SECOND5)) return false;
  if (shift) {
    FocusTabStrip();
  } else {
    FocusOptionsButton();
  }
  return true;
}

bool CKmpSmbPg::ValidateCompleteRows() const {
  if (!choices_.Rows().FirstIncompleteRow()) return true;
  ShowIncompleteRow(MessageOwner(), SymbChoices::RowNameId());
  return false;
}

void CKmpSmbPg::ResetTo(const SymbMap& map) {
  choices_.Clear();
  choices_.LoadPageChoices(map);
  if (Handle()) ShowPageChoices();
}

}  // namespace tavel::panel
