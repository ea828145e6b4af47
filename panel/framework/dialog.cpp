#include "panel/framework/dialog.h"

#include "panel/framework/accessible_controls.h"
#include "panel/framework/program_resources.h"

namespace tavel::ui {

CDialog::~CDialog() {
  if (hwnd_) SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
}

INT_PTR CDialog::DoModal(HWND parent) {
  modal_ = true;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), ProgramDialog(templateId_), parent,
                                 StaticProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless(HWND parent) {
  modal_ = false;
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), ProgramDialog(templateId_), parent,
                                    StaticProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      const BOOL result = OnInitDialog();
      ExposeButtons(hwnd_);
      return result;
    }
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

bool CDialog::OnCommand(int id, int) {
  if (!modal_ || (id != IDOK && id != IDCANCEL)) return false;
  End(id);
  return true;
}

INT_PTR CDialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, CDialog* self) {
  if (message == WM_INITDIALOG && self) {
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  }
  self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  INT_PTR result = self->DialogProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

INT_PTR CALLBACK CDialog::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
  return Route(hwnd, message, wParam, lParam, self);
}

}  // namespace tavel::ui
