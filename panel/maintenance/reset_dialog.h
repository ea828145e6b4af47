// The choice of groups to put back to their defaults: four boxes, all checked
// at every opening.
#pragma once

#include <cstdint>

#include "panel/framework/dialog.h"

namespace tavel::panel {

class CResetKympDlg : public ui::CDialog {
 public:
  CResetKympDlg();
  // ResetGroup bits of the boxes checked when the dialog ended with OK.
  uint32_t ChosenGroups() const { return chosen_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintQuestionIcon();

  uint32_t chosen_ = 0;
  HICON icon_ = nullptr;
};

}  // namespace tavel::panel
