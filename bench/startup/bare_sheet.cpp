// The baseline of the start-up benchmark: a bare four-page property sheet
// from dialog templates, titled as the argument says, that ends when it is
// closed.
#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR title, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  PROPSHEETPAGEW pages[4] = {};
  for (int i = 0; i < 4; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].hInstance = instance;
    pages[i].pszTemplate = MAKEINTRESOURCEW(101 + i);
    pages[i].pfnDlgProc = PageProc;
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hInstance = instance;
  header.pszCaption = title && *title ? title : L"Bare sheet";
  header.nPages = 4;
  header.ppsp = pages;
  PropertySheetW(&header);
  return 0;
}
