#include "panel/maintenance/options_dialog.h"

#include "panel/maintenance/panel_messages.h"
#include "panel/maintenance/reset_dialog.h"
#include "panel/res/resource.h"

namespace tavel::panel {

CKmpOptionsDlg::CKmpOptionsDlg(bool productDisabled, bool autoDisableExtKb, HWND mainDialog)
    : CDialog(IDD_OPTIONS_DIALOG), choices_{productDisabled, autoDisableExtKb, 0},
      mainDialog_(mainDialog) {}

BOOL CKmpOptionsDlg::OnInitDialog() {
  separator_.Attach(Item(IDC_OPT_SEPARATOR));
  CheckDlgButton(Handle(), IDC_OPT_DISABLE_PRODUCT, choices_.disableProduct ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(Handle(), IDC_OPT_AUTO_DISABLE_EXTKB,
                 choices_.autoDisableExtKb ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

bool CKmpOptionsDlg::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_OPT_DISABLE_PRODUCT:
    case IDC_OPT_AUTO_DISABLE_EXTKB:
      EnableWindow(Item(IDOK), TRUE);
      return true;
    case IDC_OPT_RESET: {
      CResetKympDlg reset;
      if (reset.DoModal(Handle()) == IDOK) choices_.resetMask = reset.ChosenGroups();
      return true;
    }
    case IDC_OPT_SUMMARY:
      // Shown by the main dialog as soon as this dialog's loop passes it on;
      // this dialog stays open.
      PostMessageW(mainDialog_, WM_SHOW_SUMMARY, 0, 0);
      return true;
    case IDOK:
      choices_.disableProduct = IsDlgButtonChecked(Handle(), IDC_OPT_DISABLE_PRODUCT) == BST_CHECKED;
      choices_.autoDisableExtKb =
          IsDlgButtonChecked(Handle(), IDC_OPT_AUTO_DISABLE_EXTKB) == BST_CHECKED;
      End(IDOK);
      return true;
    default:
      return CDialog::OnCommand(id, notifyCode);
  }
}

}  // namespace tavel::panel
