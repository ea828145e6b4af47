#include "panel/about_dialog.h"

#include "panel/res/resource.h"

namespace tavel::panel {

CAboutDlg::CAboutDlg(std::wstring version) : CDialog(IDD_ABOUTBOX), version_(std::move(version)) {}

BOOL CAboutDlg::OnInitDialog() {
  SetDlgItemTextW(Handle(), IDC_ABOUT_VERSION, version_.c_str());
  return TRUE;
}

}  // namespace tavel::panel
