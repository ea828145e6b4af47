#include "panel/settings_page.h"

#include "panel/res/resource.h"

namespace tavel::panel {
namespace {

// Every page's hint, whichever page it belongs to, stays when the rest hides.
bool IsDisabledHint(int id) { return id >= IDC_TKB_DISABLED_HINT && id <= IDC_SMB_DISABLED_HINT; }

}  // namespace

uint32_t CSettingsPage::EnableCheck() const {
  if (!Handle() || !enableCheckId_) return SavedCheck();
  return IsDlgButtonChecked(Handle(), enableCheckId_) == BST_CHECKED ? 1 : 0;
}

BOOL CSettingsPage::OnInitDialog() {
  if (enableCheckId_) {
    CheckDlgButton(Handle(), enableCheckId_, SavedCheck() == 1 ? BST_CHECKED : BST_UNCHECKED);
  }
  return TRUE;
}

void CSettingsPage::OnSetActive() {
  if (!env_.productDisabled) {
    ShowWindow(Item(hintId_), SW_HIDE);
    return;
  }
  for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ShowWindow(child, IsDisabledHint(GetDlgCtrlID(child)) ? SW_SHOW : SW_HIDE);
  }
}

bool CSettingsPage::OnCommand(int id, int notifyCode) {
  if (id != enableCheckId_ || !enableCheckId_ || notifyCode != BN_CLICKED) return false;
  env_.settingChanged();
  return true;
}

}  // namespace tavel::panel
