// A page of a property sheet: a dialog template shown when its tab is
// selected. The window exists only once the tab has been selected.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "panel/framework/dialog.h"

namespace tavel::ui {

class CPropertyPage : public CDialog {
 public:
  using CDialog::CDialog;

  // What the sheet needs to create this page.
  PROPSHEETPAGEW Describe();

 protected:
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The page becomes the visible one.
  virtual void OnSetActive() {}

 private:
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace tavel::ui
