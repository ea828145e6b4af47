// The framework's dialog: a dialog template from the program's resources,
// shown modally or as a modeless window, whose messages arrive in a virtual
// DialogProc. Derived classes override OnInitDialog and OnCommand and handle
// anything else in DialogProc.
#pragma once

#include <windows.h>

namespace tavel::ui {

class CDialog {
 public:
  explicit CDialog(int templateId) : templateId_(templateId) {}
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;
  virtual ~CDialog();

  HWND Handle() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  int TemplateId() const { return templateId_; }

  INT_PTR DoModal(HWND parent);
  bool CreateModeless(HWND parent);
  void End(INT_PTR result) { EndDialog(hwnd_, result); }

 protected:
  // Returns what a dialog procedure returns: TRUE when handled.
  virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnInitDialog() { return TRUE; }
  // True when handled. By default OK and Cancel end a modal dialog.
  virtual bool OnCommand(int id, int notifyCode);

  // Hands a dialog window's messages to `self`, which the caller found in
  // the WM_INITDIALOG parameter.
  static INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialog* self);

 private:
  static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  const int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
};

}  // namespace tavel::ui
