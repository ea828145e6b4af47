#include "panel/framework/property_page.h"

#include "panel/framework/program_resources.h"

namespace tavel::ui {

PROPSHEETPAGEW CPropertyPage::Describe() {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pResource = ProgramDialog(TemplateId());
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CPropertyPage::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE) {
    OnSetActive();
    SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 0);
    return TRUE;
  }
  return CDialog::DialogProc(message, wParam, lParam);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
  }
  return Route(hwnd, message, wParam, lParam, self);
}

}  // namespace tavel::ui
