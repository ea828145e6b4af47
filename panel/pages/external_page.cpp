#include "panel/pages/external_page.h"

#include <iterator>

#include "panel/framework/resource_text.h"
#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

// A row's controls. Only rows 3, 6, 7 and 9 come and go, so only their
// label, "=" and "+" carry ids.
struct RowControls {
  int label, icon, equals, plus;
  int iconId, iconWidth;  // the Fn-key symbol and its width at 96 dpi
};
constexpr RowControls kRows[ExternalChoices::kRows] = {
    {0, IDC_EKB_VOLUP_ICON, 0, 0, IDI_VOLUME_UP, 16},
    {0, IDC_EKB_VOLDOWN_ICON, 0, 0, IDI_VOLUME_DOWN, 16},
    {0, IDC_EKB_MUTE_ICON, 0, 0, IDI_VOLUME_MUTE, 16},
    {IDC_EKB_BUTTON_LABEL, IDC_EKB_BUTTON_ICON, IDC_EKB_BUTTON_EQUALS, IDC_EKB_BUTTON_PLUS, 0, 48},
    {0, IDC_EKB_STANDBY_ICON, 0, 0, IDI_STANDBY, 32},
    {0, IDC_EKB_HIBERNATE_ICON, 0, 0, IDI_HIBERNATE, 32},
    {IDC_EKB_WIRELESS_LABEL, IDC_EKB_WIRELESS_ICON, IDC_EKB_WIRELESS_EQUALS, IDC_EKB_WIRELESS_PLUS,
     IDI_WIRELESS_RADIO, 32},
    {IDC_EKB_DOVRA_LABEL, IDC_EKB_DOVRA_ICON, IDC_EKB_DOVRA_EQUALS, IDC_EKB_DOVRA_PLUS, IDI_EJECT,
     16},
    {0, IDC_EKB_MAGNIFIER_ICON, 0, 0, IDI_MAGNIFIER, 32},
    {IDC_EKB_LUMARA_LABEL, IDC_EKB_LUMARA_ICON, IDC_EKB_LUMARA_EQUALS, IDC_EKB_LUMARA_PLUS,
     IDI_PRESENTATION, 32},
};
constexpr RowListIds kRowLists[ExternalChoices::kRows] = {
    {IDC_EKB_VOLUP_FIRST, IDC_EKB_VOLUP_SECOND},         {IDC_EKB_VOLDOWN_FIRST, IDC_EKB_VOLDOWN_SECOND},
    {IDC_EKB_MUTE_FIRST, IDC_EKB_MUTE_SECOND},           {IDC_EKB_BUTTON_FIRST, IDC_EKB_BUTTON_SECOND},
    {IDC_EKB_STANDBY_FIRST, IDC_EKB_STANDBY_SECOND},     {IDC_EKB_HIBERNATE_FIRST, IDC_EKB_HIBERNATE_SECOND},
    {IDC_EKB_WIRELESS_FIRST, IDC_EKB_WIRELESS_SECOND},   {IDC_EKB_DOVRA_FIRST, IDC_EKB_DOVRA_SECOND},
    {IDC_EKB_MAGNIFIER_FIRST, IDC_EKB_MAGNIFIER_SECOND}, {IDC_EKB_LUMARA_FIRST, IDC_EKB_LUMARA_SECOND},
};

}  // namespace

CKmpEKbPg::CKmpEKbPg(PageEnvironment& env)
    : CSettingsPage(IDD_EXTERNAL_KB_PAGE, IDC_EKB_DISABLED_HINT, IDC_EKB_ENABLE, env),
      rowLists_(choices_.Rows(), kRowLists) {
  choices_.Rows().Clear();
  choices_.LoadPageChoices(Settings().extKbMap);
}

CKmpEKbPg::~CKmpEKbPg() {
  if (arrows_) ImageList_Destroy(arrows_);
}

BOOL CKmpEKbPg::OnInitDialog() {
  CSettingsPage::OnInitDialog();
  PanelContext& c = Env().context;
  capabilities_ = AskExternalRowCapabilities(c.io, c.registry, c.system, c.loader);
  HFONT bold = DialogFontVariant(600);
  for (int id : {IDC_EKB_HEAD_FUNCTION, IDC_EKB_HEAD_FIRST, IDC_EKB_HEAD_SECOND}) SetFont(id, bold);
  const VaroButtonKind button = AskVaroButtonKind(c.registry);
  ShowIcons(button);
  FillLists();
  rowLists_.Expose(Handle(),
                   [button](size_t row) { return SpokenRow{ExternalChoices::RowNameId(row, button)}; });
  choices_.Rows().Clear();
  choices_.LoadPageChoices(Settings().extKbMap);
  rowLists_.ShowPageChoices(Handle());
  ApplyRowPresence();
  return TRUE;
}

void CKmpEKbPg::ShowIcons(VaroButtonKind kind) {
  const VaroButtonTexts button = TextsOf(kind);
  SetDlgItemTextW(Handle(), IDC_EKB_BUTTON_LABEL, ui::LoadText(button.labelId).c_str());
  for (size_t row = 0; row < std::size(kRows); ++row) {
    const RowControls& r = kRows[row];
    icons_[row].Attach(Item(r.icon));
    icons_[row].SetIcon(row == kExtBrandedButton ? button.iconId : r.iconId, r.iconWidth, 16);
  }
}

void CKmpEKbPg::FillLists() {
  arrows_ = CreateScaledIconList(16, 16,
                                 {IDI_ARROW_UP, IDI_ARROW_DOWN, IDI_ARROW_LEFT, IDI_ARROW_RIGHT});
  for (size_t row = 0; row < std::size(kRowLists); ++row) {
    HWND first = Item(kRowLists[row].first), second = Item(kRowLists[row].second);
    firstLists_[row].Attach(first);
    secondLists_[row].Attach(second);
    SendMessageW(second, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(arrows_));
    FillList(first, FirstKeyTable);
    FillExtendedList(second, ExtSecondKeyTable);
  }
}

// Greys or hides the rows of functions this notebook lacks, and enables the
// others. Never shows a control, so it can follow the activation, which
// shows them all (or, while the product is disabled, none).
void CKmpEKbPg::ApplyRowPresence() const {
  for (size_t row = 0; row < std::size(kRows); ++row) {
    const RowPresence presence = PresenceOf(static_cast<ExtKbFunction>(row), capabilities_);
    const RowControls& r = kRows[row];
    for (int id : {r.label, r.icon, r.equals, kRowLists[row].first, r.plus, kRowLists[row].second}) {
      if (presence == RowPresence::Hidden) ShowWindow(Item(id), SW_HIDE);
      EnableWindow(Item(id), presence == RowPresence::Usable);
    }
  }
}

void CKmpEKbPg::OnSetActive() {
  CSettingsPage::OnSetActive();
  // The branded button's software may have come or gone since the last
  // visit.
  PanelContext& c = Env().context;
  capabilities_.brandedButton = HasBrandedButton(c.io, c.registry);
  ApplyRowPresence();
  rowLists_.ShowPageChoices(Handle());
}

bool CKmpEKbPg::OnCommand(int id, int notifyCode) {
  if (!rowLists_.Owns(id)) return CSettingsPage::OnCommand(id, notifyCode);
  if (notifyCode == CBN_SELENDOK) rowLists_.CommitRowChoice(Handle(), id, Env().settingChanged);
  if (notifyCode == CBN_CLOSEUP) rowLists_.RestoreRowChoice(Handle(), id);
  return true;
}

bool CKmpEKbPg::OnTabKey(HWND focus, bool shift) {
  if (shift) {
    if (!FocusIn(focus, IDC_EKB_ENABLE)) return false;
    FocusTabStrip();
    return true;
  }
  const bool lumaraShown = PresenceOf(kExtLumara, capabilities_) != RowPresence::Hidden;
  const int lastList = lumaraShown ? IDC_EKB_LUMARA_SECOND : IDC_EKB_MAGNIFIER_SECOND;
  if (!FocusIn(focus, lastList)) return false;
  FocusOptionsButton();
  return true;
}

bool CKmpEKbPg::ValidateCompleteRows() const {
  const auto row = choices_.Rows().FirstIncompleteRow();
  if (!row) return true;
  const VaroButtonKind kind = AskVaroButtonKind(Env().context.registry);
  ShowIncompleteRow(MessageOwner(), ExternalChoices::RowNameId(*row, kind));
  return false;
}

void CKmpEKbPg::ResetTo(const ExtKbMap& map) {
  choices_.Rows().Clear();
  choices_.LoadPageChoices(map);
  if (Handle()) rowLists_.ShowPageChoices(Handle());
}

}  // namespace tavel::panel
