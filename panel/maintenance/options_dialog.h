// Options: switching the whole product off, the automatic switch-off of the
// external keyboard's assignments, and the ways to the reset and the
// summary. It only collects choices; the main dialog acts on them after OK.
#pragma once

#include "panel/framework/dialog.h"
#include "panel/maintenance/options_outcome.h"
#include "panel/pages/static_lines.h"

namespace tavel::panel {

class CKmpOptionsDlg : public ui::CDialog {
 public:
  // The switches as they stand; the main dialog shows the summary when it
  // gets WM_SHOW_SUMMARY.
  CKmpOptionsDlg(bool productDisabled, bool autoDisableExtKb, HWND mainDialog);
  OptionsChoices Choices() const { return choices_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  OptionsChoices choices_;
  HWND mainDialog_;
  CStaticGreyLine separator_;
};

}  // namespace tavel::panel
