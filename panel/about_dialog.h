// The About box of the main window's system menu, with the installed version.
#pragma once

#include <string>

#include "panel/framework/dialog.h"

namespace tavel::panel {

class CAboutDlg : public ui::CDialog {
 public:
  explicit CAboutDlg(std::wstring version);

 protected:
  BOOL OnInitDialog() override;

 private:
  std::wstring version_;
};

}  // namespace tavel::panel
